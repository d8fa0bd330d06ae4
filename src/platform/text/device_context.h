// SPDX-License-Identifier: MIT
#pragma once

// platform/text: drawing text as the system's device contexts do: the device context over a
// surface, fonts matched by face name, and the 8-bit code page the system's texts are written in.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pixels/pixels.h"
#include "platform/text/font.h"

namespace lunvale::platform {

// Background modes of text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// ExtTextOut options.
constexpr uint32_t ETO_OPAQUE = 0x0002;
constexpr uint32_t ETO_CLIPPED = 0x0004;

// GetPixel outside the target, SetPixel that could not set.
constexpr uint32_t CLR_INVALID = 0xFFFFFFFF;

// Right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct Size {
  int cx = 0;
  int cy = 0;
};

// A drawing context over a surface's pixels: fonts, text and single pixels, as the gadgets and the
// overlay lines use them. Obtained from a surface and released within the same frame.
//
// Colours are pixels of the target, 0x00RRGGBB (make them with Rgb()). Text positions are the
// top-left corner of the text cell. Glyphs are anti-aliased and blended onto what is there. Nothing
// is ever written outside the target, nor outside the rectangle of a clipped ExtTextOut.
// One context is used by one thread at a time; fonts may be shared between threads.
class DeviceContext {
 public:
  explicit DeviceContext(PixelView target) : target_(target) {}
  virtual ~DeviceContext() = default;

  // The pixels themselves, for drawing a picture into them.
  virtual PixelView Target() { return target_; }

  // Keeps every following write inside `clip` (and the target); the whole target by default.
  void SetClip(const Rect& clip) { clip_ = clip; }

  // Selects the font for the following text and returns the one selected before (null while the
  // default font is in use). A null font changes nothing and returns null, as selecting a null
  // object fails.
  virtual FontHandle SelectFont(FontHandle font);
  // The font text is drawn in: the selected one, or the default font. Null only if the machine
  // has no usable font at all.
  FontHandle CurrentFont() const;

  // Previous mode; 0 (and no change) for a mode other than TRANSPARENT or OPAQUE.
  int SetBkMode(int mode);
  int GetBkMode() const { return bk_mode_; }
  uint32_t SetBkColor(uint32_t color);  // previous colour
  uint32_t GetBkColor() const { return bk_color_; }
  uint32_t SetTextColor(uint32_t color);  // previous colour
  uint32_t GetTextColor() const { return text_color_; }

  // `length` bytes of `text`; false for a negative length or without a font.
  virtual bool TextOut(int x, int y, const char* text, int length);
  bool TextOut(int x, int y, std::string_view text);
  // Draws as ExtTextOut does, whichever of the two was called.
  bool DrawText(int x, int y, uint32_t options, const Rect* rect, std::string_view text) {
    return DrawOrMeasure(x, y, options, rect, text, nullptr);
  }
  // An area such a call writes nothing outside of, within the clip; empty when it writes nothing.
  Rect TextArea(int x, int y, uint32_t options, const Rect* rect, std::string_view text);

  // ETO_CLIPPED keeps the text inside `rect`; ETO_OPAQUE fills `rect` with the background colour
  // first. Without a rectangle the options have no effect.
  virtual bool ExtTextOut(int x, int y, uint32_t options, const Rect* rect, const char* text, int length);

  // Width of the text and the cell height of the selected font; an empty text is 0 wide.
  virtual bool GetTextExtentPoint32(const char* text, int length, Size* size);
  Size GetTextExtent(std::string_view text);

  virtual uint32_t SetPixel(int x, int y, uint32_t color);  // the colour set, or CLR_INVALID outside
  virtual uint32_t GetPixel(int x, int y);                  // CLR_INVALID outside

 private:
  // Draws, or with `area` only adds up what it would write.
  bool DrawOrMeasure(int x, int y, uint32_t options, const Rect* rect, std::string_view text, Rect* area);
  void Fill(const Rect& area, uint32_t color, Rect* measured);
  Rect Bounds() const;

  PixelView target_;
  Rect clip_{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  FontHandle font_;
  int bk_mode_ = OPAQUE;
  uint32_t bk_color_ = Rgb(255, 255, 255);
  uint32_t text_color_ = Rgb(0, 0, 0);
  // Reused from call to call: the ticker lays out a few thousand characters every frame.
  std::u32string chars_;
  std::vector<const Glyph*> glyphs_;
};

}  // namespace lunvale::platform
