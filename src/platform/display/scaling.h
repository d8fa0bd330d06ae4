// SPDX-License-Identifier: MIT
#pragma once

// Where the display's picture goes in an output (platform/display/smooth_scale.h draws it there).

#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/gamma.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

// Where a width x height picture goes in an output of out_w x out_h: as large as fits with its aspect
// kept, centred (the rest stays black). A picture whose aspect misses the output's by less than one of
// its pixels fills the output.
struct FitBox {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FitBox&) const = default;
};
FitBox FitPicture(int width, int height, int out_w, int out_h);

// Fills with black what of `dst` none of `boxes` covers: the bars beside a picture drawn into them.
void ClearAround(PixelView dst, const std::vector<FitBox>& boxes);

}  // namespace lunvale::platform
