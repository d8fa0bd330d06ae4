// SPDX-License-Identifier: MIT
#include "support/picture_files.h"

#include <SDL.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

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

void SaveSnapshot(const platform::PixelView& view, const std::string& path) {
  SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormatFrom(view.pixels, view.width, view.height, 32,
                                                         view.pitch * 4, SDL_PIXELFORMAT_XRGB8888);
  if (shot == nullptr) return;
  SDL_SaveBMP(shot, path.c_str());
  SDL_FreeSurface(shot);
}

}  // namespace lunvale::testing
