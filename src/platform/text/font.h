// SPDX-License-Identifier: MIT
#pragma once

// platform/text: fonts by face name, height and weight, and their rendered glyphs.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lunvale::platform {

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;

// One rendered glyph: 8-bit coverage placed relative to the pen on the baseline.
struct Glyph {
  int left = 0;     // pen to the bitmap's first column
  int top = 0;      // baseline up to the bitmap's first row
  int width = 0;    // bitmap columns
  int height = 0;   // bitmap rows
  int advance = 0;  // whole pixels: characters sit on whole pixels, as on the original
  std::vector<uint8_t> coverage;
};

namespace detail {
struct Strike;
}

// A font as the gadgets ask for it: face name, height and weight. A face the machine lacks is
// matched to the closest one it has (on Linux through fontconfig, where "Arial" becomes the
// metric-compatible Liberation Sans; on Windows through a list of look-alikes), so text is always drawn.
// The glyphs live in a process-wide cache shared by every font of the same face, size and weight.
// Fonts are immutable and may be used from any thread.
class Font {
 public:
  // height > 0 is the cell height (ascent + descent), height < 0 the character (em) height,
  // 0 a default of 16. Weight 0 means normal; a bold weight is synthesised when the face has none.
  // Null when no face can be found at all.
  static std::shared_ptr<const Font> Create(std::string_view face, int height, int weight);

  // The device context's font until another is selected: a bold sans of 16 pixels.
  static std::shared_ptr<const Font> Default();

  const std::string& FaceName() const { return face_; }  // as asked for
  const std::string& Family() const { return family_; }  // as matched
  const std::string& FilePath() const { return path_; }  // empty where the system does not tell
  int Weight() const { return weight_; }
  int EmPixels() const { return em_; }
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  int CellHeight() const { return ascent_ + descent_; }

  // The glyphs of the text under a single lock of the cache. The pointers stay valid while this
  // font lives.
  void Glyphs(std::u32string_view text, std::vector<const Glyph*>& out) const;

  // Sum of the advances, in pixels.
  int64_t TextWidth(std::u32string_view text) const;

  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

 private:
  Font() = default;

  std::string face_;
  std::string family_;
  std::string path_;
  int weight_ = FW_NORMAL;
  int em_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  std::shared_ptr<detail::Strike> strike_;
};

using FontHandle = std::shared_ptr<const Font>;

}  // namespace lunvale::platform
