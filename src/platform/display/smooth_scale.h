// SPDX-License-Identifier: MIT
#pragma once

// Smooth scaling of the scene's canvas into an output box. Each output pixel is a weighted mean of the
// canvas pixels around the point under its centre: a tent of one canvas pixel's radius when enlarging
// (bilinear), widened to one output pixel's reach when shrinking so that fine detail averages out rather
// than flickering. Taps past the canvas's edges take the edge pixel.

#include <cstdint>
#include <deque>
#include <span>
#include <utility>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/gamma.h"
#include "platform/display/scaling.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

// Keeps the filter tables of the boxes it drew into and a few rows of scratch, so that a frame costs no
// allocation. One thread at a time.
class SmoothScaler {
 public:
  // Draws the part `changed` of `canvas` where the whole canvas is shown scaled into `box` of `dst`,
  // through `lut`, clipped to `dst`: every output pixel whose weights reach into `changed`, with the
  // very values a drawing of the whole canvas gives them. Returns the rectangle of `dst` written (empty
  // when none). A box of the canvas's own size gets a plain copy.
  RECT Draw(PixelView dst, const FitBox& box, const PixelView& canvas, const RECT& changed,
            const GammaLut& lut);
  // Draws what Draw would for each of `parts` in turn, but each output pixel once and each canvas row
  // filtered once, however the parts' reaches overlap. Appends to `written` rectangles of `dst` that
  // do not overlap and together make up what was written, and returns their bounds (empty when none).
  RECT DrawParts(PixelView dst, const FitBox& box, const PixelView& canvas, std::span<const RECT> parts,
                 const GammaLut& lut, std::vector<RECT>& written);

 private:
  // The weights of one axis from `in` canvas pixels to `out` output pixels: output pixel i takes the
  // `taps` canvas pixels index[i * taps...], with weights in 1/16384ths that sum to exactly 16384, two to
  // a word (the even tap's in the low half). `taps` is even; spare taps weigh nothing. `window`: the taps
  // are consecutive pixels (else the canvas is too small for that and the last repeats). `first` and
  // `last` are the lowest and highest index that weighs something.
  struct Axis {
    int in = 0, out = 0, taps = 0;
    bool window = false;
    std::vector<int32_t> index;
    std::vector<uint32_t> pairs;
    std::vector<int32_t> first, last;
    // Enlarging, output pixels four at a time, quad q being pixels 4q to 4q + 3, for q < quads: where the
    // windows of four canvas pixels begin that its two halves read, which shuffle takes each pixel's taps
    // out of those, and the pixels' right weights doubled.
    int quads = 0;
    std::vector<int32_t> quad_windows;
    std::vector<int16_t> quad_weights;
    // The same sixteen pixels at a time, group g being pixels 16g to 16g + 15, for g < groups: where the
    // window of sixteen canvas pixels begins that all of them read, for each half of the group which
    // bytes of the window are its pixels' taps, and the pixels' right weights doubled.
    int groups = 0;
    std::vector<int32_t> group_windows;
    std::vector<uint8_t> group_picks;    // 128 a group
    std::vector<int16_t> group_weights;  // 16 a group
  };
  static Axis MakeAxis(int in, int out);
  const Axis& AxisFor(int in, int out);

  std::deque<Axis> axes_;  // a few, for the boxes of several monitors
  // Canvas rows filtered across, 4 channels a pixel, at their output columns, in turn; which canvas row
  // each holds (-1: none), and the spans of columns filtered so far, in order.
  std::vector<int16_t> rows_;
  std::vector<int32_t> row_of_;
  std::vector<std::vector<std::pair<int, int>>> filtered_;
  std::vector<const int16_t*> row_taps_;  // the rows one output row is made of
  // Per call: the output rectangles the parts reach, the rows where those begin or end, the spans of
  // one band of rows, and the rectangles written.
  std::vector<RECT> areas_;
  std::vector<int> cuts_;
  std::vector<std::pair<int, int>> spans_;
  std::vector<size_t> open_;
  std::vector<RECT> written_;
};

}  // namespace lunvale::platform
