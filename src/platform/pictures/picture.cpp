// SPDX-License-Identifier: MIT
#include "platform/pictures/picture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <utility>

#include "platform/pictures/picture_decode.h"
#include "platform/pictures/picture_prefetch.h"
#include "platform/pixels/huge_pages.h"
#include "platform/system/resources.h"

namespace lunvale::platform {

namespace {

std::string Quoted(std::string_view name) {
  return "\"" + std::string(name) + "\"";
}

// Clips a copy of w x h pixels from (sx, sy) of src to (dx, dy) of dst against both.
bool ClipCopy(const PixelView& dst, int& dx, int& dy, const PixelView& src, int& sx, int& sy, int& w,
              int& h) {
  if (sx < 0) {
    w += sx;
    dx -= sx;
    sx = 0;
  }
  if (sy < 0) {
    h += sy;
    dy -= sy;
    sy = 0;
  }
  if (dx < 0) {
    w += dx;
    sx -= dx;
    dx = 0;
  }
  if (dy < 0) {
    h += dy;
    sy -= dy;
    dy = 0;
  }
  w = std::min({w, src.width - sx, dst.width - dx});
  h = std::min({h, src.height - sy, dst.height - dy});
  return w > 0 && h > 0;
}

}  // namespace

void FailPicture(std::string_view name, const std::string& cause) {
  throw PictureError("Cannot load picture " + Quoted(name) + ": " + cause);
}

bool Bitmap::OnHugePages(size_t bytes) {
  return bytes >= kHugePage;
}

Bitmap Bitmap::Uncleared(int width, int height) {
  if (width < 0 || height < 0 || static_cast<int64_t>(width) * height > kMaxPicturePixels)
    throw PictureError("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " refused");
  Bitmap b;
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(uint32_t);
  if (OnHugePages(bytes)) {
    // Large pictures (the strips) on huge pages: a tenth of the time went to faulting in small ones.
    b.pixels_ = reinterpret_cast<uint32_t*>(MapHugePages(bytes));
  } else if (bytes > 0) {
    b.pixels_ = static_cast<uint32_t*>(std::malloc(bytes));
  }
  if (bytes > 0 && b.pixels_ == nullptr) throw std::bad_alloc();
  b.width_ = width;
  b.height_ = height;
  return b;
}

Bitmap::Bitmap(int width, int height) : Bitmap(Uncleared(width, height)) {
  // Mapped pages come zeroed.
  if (pixels_ != nullptr && !OnHugePages(Bytes())) std::memset(pixels_, 0, Bytes());
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(Uncleared(other.width_, other.height_)) {
  if (pixels_ != nullptr)
    std::memcpy(pixels_, other.pixels_, static_cast<size_t>(width_) * height_ * sizeof(uint32_t));
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) *this = Bitmap(other);
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::exchange(other.pixels_, nullptr)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(pixels_, other.pixels_);
  return *this;
}

Bitmap::~Bitmap() {
  if (OnHugePages(Bytes()))
    UnmapHugePages(pixels_, Bytes());
  else
    std::free(pixels_);
}

void Bitmap::ReleaseRows(int top, int bottom) {
  top = std::clamp(top, 0, height_);
  bottom = std::clamp(bottom, top, height_);
  ReleasePages(pixels_ + static_cast<size_t>(top) * width_, pixels_ + static_cast<size_t>(bottom) * width_);
}

void CopyRect(PixelView dst, int x, int y, PixelView src, RECT src_rect) {
  if (dst.Empty() || src.Empty()) return;
  int sx = src_rect.left, sy = src_rect.top;
  int w = src_rect.right - src_rect.left, h = src_rect.bottom - src_rect.top;
  if (!ClipCopy(dst, x, y, src, sx, sy, w, h)) return;
  for (int i = 0; i < h; ++i)
    std::memmove(dst.Row(y + i) + x, src.Row(sy + i) + sx, static_cast<size_t>(w) * sizeof(uint32_t));
}

void StretchDraw(PixelView dst, RECT dst_rect, PixelView src, RECT src_rect) {
  const int dw = dst_rect.right - dst_rect.left, dh = dst_rect.bottom - dst_rect.top;
  const int sw = src_rect.right - src_rect.left, sh = src_rect.bottom - src_rect.top;
  if (dst.Empty() || src.Empty() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  // The source rectangle must lie in the source; the destination is clipped.
  if (src_rect.left < 0 || src_rect.top < 0 || src_rect.right > src.width || src_rect.bottom > src.height)
    return;
  if (dw == sw && dh == sh) {
    CopyRect(dst, dst_rect.left, dst_rect.top, src, src_rect);
    return;
  }
  const int x0 = std::max(0, -dst_rect.left), x1 = std::min(dw, dst.width - dst_rect.left);
  const int y0 = std::max(0, -dst_rect.top), y1 = std::min(dh, dst.height - dst_rect.top);
  if (x0 >= x1 || y0 >= y1) return;
  // The source column under each destination pixel's centre.
  std::vector<int> columns(static_cast<size_t>(x1 - x0));
  for (int i = x0; i < x1; ++i)
    columns[static_cast<size_t>(i - x0)] =
        src_rect.left +
        static_cast<int>((2 * static_cast<int64_t>(i) + 1) * sw / (2 * static_cast<int64_t>(dw)));
  for (int j = y0; j < y1; ++j) {
    const int sy =
        src_rect.top + static_cast<int>((2 * static_cast<int64_t>(j) + 1) * sh / (2 * int64_t{dh}));
    const uint32_t* from = src.Row(sy);
    uint32_t* to = dst.Row(dst_rect.top + j) + dst_rect.left + x0;
    for (size_t i = 0; i < columns.size(); ++i) to[i] = from[columns[i]];
  }
}

Picture Picture::Load(std::span<const unsigned char> bytes, std::string_view name) {
  return Load(bytes, name, false);
}

Picture Picture::Load(std::span<const unsigned char> bytes, std::string_view name, bool lasting,
                      std::optional<Bitmap> decoded, Columns columns) {
  const auto starts = [&](std::string_view magic) {
    return bytes.size() >= magic.size() && std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
  };
  Picture picture;
  if (starts("\xFF\xD8\xFF")) {
    picture.bitmap_ = decoded ? std::move(*decoded) : DecodeJpeg(bytes, name, columns);
    picture.class_name_ = "TJPEGImage";
    picture.name_ = std::string(name);
    picture.columns_ = columns;
    if (lasting) {
      picture.jpeg_ = bytes;
    } else {
      picture.jpeg_copy_ = std::make_shared<const std::vector<unsigned char>>(bytes.begin(), bytes.end());
      picture.jpeg_ = *picture.jpeg_copy_;
    }
  } else if (starts("BM")) {
    picture.bitmap_ = DecodeBmp(bytes, name);
    picture.class_name_ = "TBitmap";
  } else if (starts("GIF87a") || starts("GIF89a")) {
    picture.bitmap_ = DecodeGif(bytes, name);
    picture.class_name_ = "TGIFImage";
  } else {
    FailPicture(name, bytes.empty() ? "empty picture" : "not a bitmap, JPEG or GIF picture");
  }
  picture.width_ = picture.bitmap_.Width();
  picture.height_ = picture.bitmap_.Height();
  return picture;
}

Picture Picture::LoadResource(std::string_view name, Columns columns) {
  const auto bytes = FindResource(name);
  if (!bytes) FailPicture(name, "no such resource");
  // The embedded data lasts as long as the program: nothing to copy.
  return Load(*bytes, name, true, PicturePrefetch::Take(name, columns), columns);
}

Picture Picture::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) FailPicture(path, "cannot open the file");
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  if (in.bad()) FailPicture(path, "cannot read the file");
  return Load(bytes, path);
}

const Bitmap& Picture::GetBitmap() const {
  // The data decoded before; it decodes the same way again.
  if (bitmap_.Empty() && !jpeg_.empty()) bitmap_ = DecodeJpeg(jpeg_, name_, columns_);
  return bitmap_;
}

void Picture::DropDecodedPixels() {
  if (!jpeg_.empty()) bitmap_ = Bitmap();
}

void Picture::ReleaseDecodedRows(int top, int bottom) {
  if (!jpeg_.empty()) bitmap_.ReleaseRows(top, bottom);
}

void Picture::Draw(PixelView dst, int x, int y) const {
  CopyRect(dst, x, y, GetBitmap().View(), RECT{0, 0, Width(), Height()});
}

void Picture::StretchDraw(PixelView dst, RECT rect) const {
  platform::StretchDraw(dst, rect, GetBitmap().View());
}

}  // namespace lunvale::platform
