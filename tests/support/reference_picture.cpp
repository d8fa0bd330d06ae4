// SPDX-License-Identifier: MIT
#include "support/reference_picture.h"

#include <cstdlib>

#include "support/picture_files.h"
#include "support/scratch.h"

namespace lunvale::testing {

int ReferenceDifferences(const platform::PixelView& view, int x, int y, int w, int h,
                         const std::string& name) {
  const std::string path =
      std::string(LUNVALE_SOURCE_DIR) + "/tests/reference_pictures/" + PlatformReferences() + name + ".png";
  const platform::PixelView crop{view.Row(y) + x, w, h, view.pitch};
  if (std::getenv("LUNVALE_WRITE_REFERENCES") != nullptr) return WritePng(crop, path) ? 0 : -1;
  const std::optional<platform::Bitmap> reference = ReadPng(path);
  if (!reference || reference->Width() != w || reference->Height() != h) return -1;
  int differing = 0;
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col)
      differing += ((crop.Row(row)[col] ^ reference->View().Row(row)[col]) & 0xFFFFFF) != 0;
  return differing;
}

}  // namespace lunvale::testing
