// SPDX-License-Identifier: MIT
// The tests' codecs on Linux: JPEG through libjpeg, PNG through SDL_image.
#include <SDL.h>
#include <SDL_image.h>
#include <jpeglib.h>

#include <cstdlib>
#include <memory>

#include "support/picture_files.h"

namespace lunvale::testing {

Bytes EncodeJpeg(int w, int h, const Colour& colour, int quality, bool grey) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (quality > 0) jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint32_t c = colour(x, y);
      if (grey) {
        row[static_cast<size_t>(x)] = static_cast<unsigned char>(c & 0xFF);
      } else {
        for (int k = 0; k < 3; ++k)
          row[static_cast<size_t>(x * 3 + k)] = static_cast<unsigned char>(c >> (16 - 8 * k));
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes bytes(out, out + size);
  jpeg_destroy_compress(&cinfo);
  std::free(out);
  return bytes;
}

std::optional<platform::Bitmap> ReadPng(const std::string& path) {
  using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
  SurfacePtr loaded(IMG_Load(path.c_str()), SDL_FreeSurface);
  if (!loaded) return std::nullopt;
  SurfacePtr xrgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0), SDL_FreeSurface);
  if (!xrgb) return std::nullopt;
  platform::Bitmap out(xrgb->w, xrgb->h);
  for (int y = 0; y < xrgb->h; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(static_cast<const char*>(xrgb->pixels) + y * xrgb->pitch);
    for (int x = 0; x < xrgb->w; ++x) out.View().Row(y)[x] = row[x] & 0xFFFFFFu;
  }
  return out;
}

bool WritePng(const platform::PixelView& view, const std::string& path) {
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> copy(
      SDL_CreateRGBSurfaceWithFormat(0, view.width, view.height, 24, SDL_PIXELFORMAT_RGB24), SDL_FreeSurface);
  if (!copy) return false;
  for (int y = 0; y < view.height; ++y) {
    auto* row = static_cast<unsigned char*>(copy->pixels) + y * copy->pitch;
    for (int x = 0; x < view.width; ++x)
      for (int k = 0; k < 3; ++k) row[x * 3 + k] = static_cast<unsigned char>(view.Row(y)[x] >> (16 - 8 * k));
  }
  return IMG_SavePNG(copy.get(), path.c_str()) == 0;
}

}  // namespace lunvale::testing
