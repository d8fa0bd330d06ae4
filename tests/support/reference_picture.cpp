// SPDX-License-Identifier: MIT
#include "support/reference_picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <memory>

namespace lunvale::testing {

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

uint32_t& PixelOf(SDL_Surface* s, int x, int y) {
  return reinterpret_cast<uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch)[x];
}

}  // namespace

int ReferenceDifferences(const platform::PixelView& view, int x, int y, int w, int h,
                         const std::string& name) {
  const std::string path = std::string(LUNVALE_SOURCE_DIR) + "/tests/reference_pictures/" + name + ".png";
  if (std::getenv("LUNVALE_WRITE_REFERENCES") != nullptr) {
    SurfacePtr crop(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_XRGB8888), SDL_FreeSurface);
    for (int row = 0; row < h; ++row)
      for (int col = 0; col < w; ++col)
        PixelOf(crop.get(), col, row) = view.Row(y + row)[x + col] | 0xFF000000u;
    return crop && IMG_SavePNG(crop.get(), path.c_str()) == 0 ? 0 : -1;
  }
  SurfacePtr loaded(IMG_Load(path.c_str()), SDL_FreeSurface);
  if (!loaded) return -1;
  SurfacePtr reference(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0), SDL_FreeSurface);
  if (!reference || reference->w != w || reference->h != h) return -1;
  int differing = 0;
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col)
      differing += ((view.Row(y + row)[x + col] ^ PixelOf(reference.get(), col, row)) & 0xFFFFFF) != 0;
  return differing;
}

}  // namespace lunvale::testing
