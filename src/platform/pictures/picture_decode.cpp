// SPDX-License-Identifier: MIT
// The Linux decoders: libjpeg for JPEG, SDL_image for GIF and bitmaps.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/pictures/picture_decode.h"

namespace lunvale::platform {

namespace {

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
  if (xrgb == nullptr) FailPicture(name, SDL_GetError());
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
  if (bytes.size() > static_cast<size_t>(INT32_MAX)) FailPicture(name, "too large");
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (rw == nullptr) FailPicture(name, SDL_GetError());
  SDL_Surface* loaded = std::strcmp(type, "BMP") == 0 ? IMG_LoadBMP_RW(rw) : IMG_LoadGIF_RW(rw);
  SDL_RWclose(rw);
  if (loaded == nullptr) {
    const char* why = SDL_GetError();
    FailPicture(name, why && *why ? why : "corrupt or truncated picture");
  }
  if (static_cast<int64_t>(loaded->w) * loaded->h > kMaxPicturePixels) {
    SDL_FreeSurface(loaded);
    FailPicture(name, "too large");
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

Bitmap DecodeJpeg(std::span<const unsigned char> bytes, std::string_view name, Columns columns) {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  cinfo.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = OnJpegError;
  errors.mgr.emit_message = OnJpegMessage;
  errors.text[0] = '\0';
  if (!CreateJpeg(&cinfo, &errors)) {
    jpeg_destroy_decompress(&cinfo);
    FailPicture(name, errors.text);
  }
  const auto fail = [&](const std::string& cause) {
    jpeg_destroy_decompress(&cinfo);
    FailPicture(name, cause);
  };
  if (bytes.empty()) fail("empty picture");
  if (!ReadJpegHeader(&cinfo, &errors, bytes.data(), bytes.size())) fail(errors.text);
  const int64_t pixels = int64_t{cinfo.output_width} * cinfo.output_height;
  if (pixels <= 0 || pixels > kMaxPicturePixels) fail("too large");
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

Bitmap DecodeBmp(std::span<const unsigned char> bytes, std::string_view name) {
  return DecodeWithSdl(bytes, name, "BMP");
}

Bitmap DecodeGif(std::span<const unsigned char> bytes, std::string_view name) {
  return DecodeWithSdl(bytes, name, "GIF");
}

void ReleasePages(void* begin, void* end) {
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto from = reinterpret_cast<uintptr_t>(begin), to = reinterpret_cast<uintptr_t>(end);
  const uintptr_t first = (from + page - 1) / page * page, last = to / page * page;
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace lunvale::platform
