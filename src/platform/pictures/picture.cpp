// SPDX-License-Identifier: MIT
#include "platform/pictures/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/pictures/picture_prefetch.h"
#include "platform/pixels/huge_pages.h"
#include "platform/system/resources.h"

namespace lunvale::platform {

namespace {

// Larger pictures are refused rather than allocated: no picture of the saver comes near this.
constexpr int64_t kMaxPixels = int64_t{1} << 27;

std::string Quoted(std::string_view name) {
  return "\"" + std::string(name) + "\"";
}

[[noreturn]] void Fail(std::string_view name, const std::string& cause) {
  throw PictureError("Cannot load picture " + Quoted(name) + ": " + cause);
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

// ---- JPEG ----------------------------------------------------------------------------------------------

struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char text[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  cinfo->err->format_message(cinfo, errors->text);
  std::longjmp(errors->jump, 1);
}

// A picture cut short is an error, not a grey lower half; other warnings are let pass.
void OnJpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnJpegError(cinfo);
}

// The steps that call into libjpeg hold no C++ objects, so the jump out of an error skips no destructor.
bool CreateJpeg(jpeg_decompress_struct* cinfo, JpegErrors* errors) {
  if (setjmp(errors->jump)) return false;
  jpeg_create_decompress(cinfo);
  return true;
}

bool ReadJpegHeader(jpeg_decompress_struct* cinfo, JpegErrors* errors, const unsigned char* data,
                    size_t size) {
  if (setjmp(errors->jump)) return false;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  cinfo->out_color_space = JCS_EXT_BGRX;  // little-endian XRGB words, straight into the bitmap
  jpeg_calc_output_dimensions(cinfo);
  return true;
}

// `left`: the first column of `out` in the picture. The decoder can only start a band at a block's
// edge, so a band starting elsewhere is decoded from the block's edge into `scratch` and cut there.
bool ReadJpegPixels(jpeg_decompress_struct* cinfo, JpegErrors* errors, PixelView* out, int left,
                    std::vector<uint32_t>& scratch) {
  if (setjmp(errors->jump)) return false;
  jpeg_start_decompress(cinfo);
  int skip = 0;
  if (left != 0 || out->width != static_cast<int>(cinfo->output_width)) {
    JDIMENSION x = static_cast<JDIMENSION>(left), w = static_cast<JDIMENSION>(out->width);
    jpeg_crop_scanline(cinfo, &x, &w);
    skip = left - static_cast<int>(x);
    scratch.resize(static_cast<size_t>(cinfo->output_width) * 16);
  }
  JSAMPROW rows[16];
  while (cinfo->output_scanline < cinfo->output_height) {
    const int first = static_cast<int>(cinfo->output_scanline);
    const int count = std::min<int>(16, out->height - first);
    for (int i = 0; i < count; ++i)
      rows[i] = reinterpret_cast<JSAMPROW>(
          scratch.empty() ? out->Row(first + i) : scratch.data() + size_t{cinfo->output_width} * i);
    const int got = static_cast<int>(jpeg_read_scanlines(cinfo, rows, static_cast<JDIMENSION>(count)));
    // The decoder fills the spare byte with 0xFF; the display's pixels keep it 0.
    for (int i = 0; i < got; ++i) {
      uint32_t* row = out->Row(first + i);
      const uint32_t* from = scratch.empty() ? row : scratch.data() + size_t{cinfo->output_width} * i + skip;
      for (int x = 0; x < out->width; ++x) row[x] = from[x] & 0x00FFFFFFu;
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// ---- bitmaps and GIF through SDL_image -------------------------------------------------------------------

Bitmap FromSdlSurface(SDL_Surface* loaded, std::string_view name) {
  SDL_Surface* xrgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  if (xrgb == nullptr) Fail(name, SDL_GetError());
  try {
    Bitmap bitmap(xrgb->w, xrgb->h);
    PixelView view = bitmap.View();
    for (int y = 0; y < xrgb->h; ++y) {
      const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(xrgb->pixels) +
                                                          static_cast<ptrdiff_t>(y) * xrgb->pitch);
      uint32_t* dst = view.Row(y);
      for (int x = 0; x < xrgb->w; ++x) dst[x] = src[x] & 0x00FFFFFFu;
    }
    SDL_FreeSurface(xrgb);
    return bitmap;
  } catch (...) {
    SDL_FreeSurface(xrgb);
    throw;
  }
}

Bitmap DecodeWithSdl(std::span<const unsigned char> bytes, std::string_view name, const char* type) {
  if (bytes.size() > static_cast<size_t>(INT32_MAX)) Fail(name, "too large");
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (rw == nullptr) Fail(name, SDL_GetError());
  SDL_Surface* loaded = std::strcmp(type, "BMP") == 0 ? IMG_LoadBMP_RW(rw) : IMG_LoadGIF_RW(rw);
  SDL_RWclose(rw);
  if (loaded == nullptr) {
    const char* why = SDL_GetError();
    Fail(name, why && *why ? why : "corrupt or truncated picture");
  }
  if (static_cast<int64_t>(loaded->w) * loaded->h > kMaxPixels) {
    SDL_FreeSurface(loaded);
    Fail(name, "too large");
  }
  // A transparent colour leaves the surface it is drawn on as it was: black, on a surface just made.
  Uint32 key = 0;
  SDL_Palette* palette = loaded->format->palette;
  if (palette != nullptr && SDL_GetColorKey(loaded, &key) == 0 &&
      key < static_cast<Uint32>(palette->ncolors)) {
    const SDL_Color black{0, 0, 0, 255};
    SDL_SetPaletteColors(palette, &black, static_cast<int>(key), 1);
    SDL_SetColorKey(loaded, SDL_FALSE, 0);
  }
  return FromSdlSurface(loaded, name);
}

}  // namespace

bool Bitmap::OnHugePages(size_t bytes) {
  return bytes >= kHugePage;
}

Bitmap Bitmap::Uncleared(int width, int height) {
  if (width < 0 || height < 0 || static_cast<int64_t>(width) * height > kMaxPixels)
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
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto from = reinterpret_cast<uintptr_t>(pixels_ + static_cast<size_t>(top) * width_);
  const auto to = reinterpret_cast<uintptr_t>(pixels_ + static_cast<size_t>(bottom) * width_);
  const uintptr_t first = (from + page - 1) / page * page, last = to / page * page;
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
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

Bitmap DecodeJpeg(std::span<const unsigned char> bytes, std::string_view name, Columns columns) {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  cinfo.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = OnJpegError;
  errors.mgr.emit_message = OnJpegMessage;
  errors.text[0] = '\0';
  if (!CreateJpeg(&cinfo, &errors)) {
    jpeg_destroy_decompress(&cinfo);
    Fail(name, errors.text);
  }
  const auto fail = [&](const std::string& cause) {
    jpeg_destroy_decompress(&cinfo);
    Fail(name, cause);
  };
  if (bytes.empty()) fail("empty picture");
  if (!ReadJpegHeader(&cinfo, &errors, bytes.data(), bytes.size())) fail(errors.text);
  const int64_t pixels = int64_t{cinfo.output_width} * cinfo.output_height;
  if (pixels <= 0 || pixels > kMaxPixels) fail("too large");
  const int full = static_cast<int>(cinfo.output_width);
  if (columns.width > 0 && (columns.left < 0 || columns.left >= full)) fail("no such columns");
  const int width = columns.width > 0 ? std::min(columns.width, full - columns.left) : full;
  Bitmap bitmap;
  try {
    bitmap = Bitmap::Uncleared(width, static_cast<int>(cinfo.output_height));
  } catch (const std::bad_alloc&) {
    fail("out of memory");
  }
  PixelView view = bitmap.View();
  std::vector<uint32_t> scratch;
  if (!ReadJpegPixels(&cinfo, &errors, &view, columns.width > 0 ? columns.left : 0, scratch))
    fail(errors.text);
  jpeg_destroy_decompress(&cinfo);
  return bitmap;
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
    picture.bitmap_ = DecodeWithSdl(bytes, name, "BMP");
    picture.class_name_ = "TBitmap";
  } else if (starts("GIF87a") || starts("GIF89a")) {
    picture.bitmap_ = DecodeWithSdl(bytes, name, "GIF");
    picture.class_name_ = "TGIFImage";
  } else {
    Fail(name, bytes.empty() ? "empty picture" : "not a bitmap, JPEG or GIF picture");
  }
  picture.width_ = picture.bitmap_.Width();
  picture.height_ = picture.bitmap_.Height();
  return picture;
}

Picture Picture::LoadResource(std::string_view name, Columns columns) {
  const auto bytes = FindResource(name);
  if (!bytes) Fail(name, "no such resource");
  // The embedded data lasts as long as the program: nothing to copy.
  return Load(*bytes, name, true, PicturePrefetch::Take(name, columns), columns);
}

Picture Picture::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, "cannot open the file");
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  if (in.bad()) Fail(path, "cannot read the file");
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
