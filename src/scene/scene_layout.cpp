// SPDX-License-Identifier: MIT
#include "scene/scene_layout.h"

#include <algorithm>

namespace lunvale::scene {

SceneLayout LayoutFor(std::optional<std::pair<int, int>> size) {
  SceneLayout layout;
  if (!size || size->first <= 0 || size->second <= 0) return layout;
  // round(768 * width / height), in integers so that 4:3 gives exactly 1024.
  const int64_t w = size->first, h = size->second;
  const int64_t wanted = (2 * kCanvasHeight * w + h) / (2 * h);
  // 5:4 at the narrow end; at the wide end what the panorama holds.
  layout.width = static_cast<int32_t>(std::clamp<int64_t>(wanted, kCanvasHeight * 5 / 4, kPanoramaWidth));
  layout.centre_shift = (layout.width - kPictureWidth) / 2;
  layout.right_shift = layout.width - kPictureWidth;
  layout.panorama = layout.width > kPictureWidth;
  return layout;
}

}  // namespace lunvale::scene
