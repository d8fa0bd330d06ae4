// SPDX-License-Identifier: MIT
#pragma once

// platform/pictures: decoding the JPEG, GIF and bitmap pictures and drawing them into surfaces.

// Pictures: JPEG, GIF and bitmap files decoded once into 32-bit XRGB bitmaps, with the drawing the sprites
// need: copying rectangles between bitmaps and nearest-neighbour stretching into a surface.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

// A picture that cannot be decoded; the text names the picture and the cause.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A band of a picture's columns: `width` columns from `left`. The default, and a band of no width, is the
// whole picture; a band reaching past the picture's right edge is cut there.
struct Columns {
  int left = 0;
  int width = 0;
  bool operator==(const Columns&) const = default;
};

// An owned block of XRGB pixels (top byte 0), black when made.
class Bitmap {
 public:
  Bitmap() = default;
  // Throws PictureError for a negative or unreasonably large size.
  Bitmap(int width, int height);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  PixelView View() { return {pixels_, width_, height_, width_}; }
  // The same pixels for reading; callers must not write through it.
  PixelView View() const { return {pixels_, width_, height_, width_}; }
  // Gives the memory of rows [top, bottom) back to the system, as far as it fills whole pages: their
  // pixels must not be read again (they read as zero).
  void ReleaseRows(int top, int bottom);

 private:
  friend Bitmap DecodeJpeg(std::span<const unsigned char> bytes, std::string_view name, Columns columns);
  // Without clearing: the decoder writes every pixel.
  static Bitmap Uncleared(int width, int height);
  size_t Bytes() const {
    return static_cast<size_t>(width_) * static_cast<size_t>(height_) * sizeof(uint32_t);
  }
  // Pictures of a huge page or more are mapped on huge pages, smaller ones malloc'ed.
  static bool OnHugePages(size_t bytes);

  int width_ = 0;
  int height_ = 0;
  uint32_t* pixels_ = nullptr;
};

// Copies `src_rect` of `src` to (x, y) of `dst` at the same size, clipped to both.
void CopyRect(PixelView dst, int x, int y, PixelView src, RECT src_rect);

// Draws `src_rect` of `src` scaled into `dst_rect` of `dst`, nearest neighbour (each destination pixel takes
// the source pixel under its centre, so black stays exactly black), clipped to `dst`. An empty rectangle
// draws nothing.
void StretchDraw(PixelView dst, RECT dst_rect, PixelView src, RECT src_rect);
inline void StretchDraw(PixelView dst, RECT dst_rect, PixelView src) {
  StretchDraw(dst, dst_rect, src, RECT{0, 0, src.width, src.height});
}

// A picture with its graphic's class: "TJPEGImage", "TBitmap" or "TGIFImage" ("" when empty).
//
// A JPEG picture keeps its compressed data, so that its decoded pixels, needed only while surfaces are
// made from them, can be let go (DropDecodedPixels) and come back when asked for: each decoded picture
// is then held once, in the surfaces cut from it.
class Picture {
 public:
  Picture() = default;

  // The format comes from the first bytes. `name` only goes into error texts. Throws PictureError.
  static Picture Load(std::span<const unsigned char> bytes, std::string_view name);
  // `columns`: a JPEG resource keeps only that band of its columns (other formats ignore it).
  static Picture LoadResource(std::string_view name, Columns columns = {});
  static Picture LoadFile(const std::string& path);

  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::string& ClassName() const { return class_name_; }
  // The pixels; a JPEG picture whose pixels were dropped decodes them again here (the thread that uses
  // the picture, one at a time).
  const Bitmap& GetBitmap() const;
  // Lets a JPEG picture's decoded pixels go; other pictures keep theirs, having nothing to decode from.
  void DropDecodedPixels();
  // A JPEG picture's decoded rows [top, bottom) will not be read again before DropDecodedPixels: their
  // memory goes back to the system now.
  void ReleaseDecodedRows(int top, int bottom);

  // Unscaled at (x, y), clipped.
  void Draw(PixelView dst, int x, int y) const;
  // Scaled into `rect`, clipped.
  void StretchDraw(PixelView dst, RECT rect) const;

 private:
  // `decoded`: the JPEG's pixels when they were decoded ahead.
  static Picture Load(std::span<const unsigned char> bytes, std::string_view name, bool lasting,
                      std::optional<Bitmap> decoded = std::nullopt, Columns columns = {});

  mutable Bitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  std::string class_name_;
  std::string name_;
  Columns columns_;
  // The compressed data of a JPEG picture: the embedded resource itself, or a copy of what it was
  // loaded from.
  std::span<const unsigned char> jpeg_;
  std::shared_ptr<const std::vector<unsigned char>> jpeg_copy_;
};

// The JPEG decoder on its own: the JPEG picture class decodes through it, and strips are decoded with it.
// `columns`: only that band is decoded (a scene shows part of a wide picture); the rest costs neither
// memory nor most of the decoding. Throws PictureError for a band that starts outside the picture.
Bitmap DecodeJpeg(std::span<const unsigned char> bytes, std::string_view name, Columns columns = {});

}  // namespace lunvale::platform
