// SPDX-License-Identifier: MIT
#pragma once

// How a window output lays the frame out over its monitors: which part of the frame each monitor
// shows and where it goes in the window, and the drawing of a whole frame so laid out. Shared by the
// X11 and GDI outputs, so that both place the same pixels.

#include <cstddef>
#include <span>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/gamma.h"
#include "platform/display/scaling.h"
#include "platform/display/smooth_scale.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

struct Placement {
  FitBox box;      // in the window
  PixelView part;  // of the frame
  int left = 0;    // the part's first column in the frame
  bool Unscaled() const { return box.w == part.width && box.h == part.height; }
};

// Views that do not pair with the monitors (they changed meanwhile) are cleared: each monitor then
// shows the whole frame.
void PairViews(std::vector<FrameView>& views, size_t monitors);

// One placement per monitor (`monitors` in window coordinates; none: the whole width x height window)
// that shows something of the frame, each part as large as fits its monitor, centred.
std::vector<Placement> Place(const PixelView& frame, std::span<const RECT> monitors,
                             std::span<const FrameView> views, int width, int height);

// Draws every part whole into its box of `canvas` and clears the rest of it to black.
void DrawPlaced(PixelView canvas, const std::vector<Placement>& placements, SmoothScaler& scaler,
                const GammaLut& lut);

}  // namespace lunvale::platform
