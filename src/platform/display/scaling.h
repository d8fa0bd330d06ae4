// SPDX-License-Identifier: MIT
#pragma once

// Where the display's picture goes in an output, and drawing it there scaled.

#include "platform/display/direct_draw.h"
#include "platform/display/gamma.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

// Where a width x height picture goes in an output of out_w x out_h: as large as fits with its aspect
// kept, centred (the rest stays black).
struct FitBox {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FitBox&) const = default;
};
FitBox FitPicture(int width, int height, int out_w, int out_h);

// Draws the part `src` of `frame` where the whole frame is shown scaled into `box` of `dst` (nearest
// neighbour, each pixel taking the frame's pixel under its centre), through `lut`, clipped to `dst`.
// Returns the rectangle of `dst` written (a pixel or two around the part, which hold the same values).
RECT DrawScaled(PixelView dst, const FitBox& box, const PixelView& frame, const RECT& src,
                const GammaLut& lut);

}  // namespace lunvale::platform
