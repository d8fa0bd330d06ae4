// SPDX-License-Identifier: MIT
#pragma once

// Where the display's picture goes in an output (platform/display/smooth_scale.h draws it there).

#include <span>
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

// The part of `frame` that `view` shows. A part of another shape than 4:3 is a canvas composed at its
// output's aspect, whose sprites stop one pixel short of its far edges, as they always have: its last
// column and row are left out rather than shown as black hairlines. A 4:3 part is shown whole. A view
// that does not lie inside the frame shows nothing.
PixelView ViewOf(const PixelView& frame, FrameView view);

// What of `changed` (frame coordinates) lies in the view `shown` (as ViewOf gives it, starting at column
// `left` of the frame), in the view's coordinates.
void PartsIn(std::span<const RECT> changed, int left, const PixelView& shown, std::vector<RECT>& out);

// Fills with black what of `dst` none of `boxes` covers: the bars beside a picture drawn into them.
void ClearAround(PixelView dst, const std::vector<FitBox>& boxes);

}  // namespace lunvale::platform
