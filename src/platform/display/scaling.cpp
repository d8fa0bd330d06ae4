// SPDX-License-Identifier: MIT
#include "platform/display/scaling.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace lunvale::platform {

FitBox FitPicture(int width, int height, int out_w, int out_h) {
  if (width <= 0 || height <= 0 || out_w <= 0 || out_h <= 0) return {};
  FitBox box;
  // Compare out_w / width with out_h / height without rounding.
  if (static_cast<int64_t>(out_w) * height <= static_cast<int64_t>(out_h) * width) {
    box.w = out_w;
    box.h = static_cast<int>(static_cast<int64_t>(height) * out_w / width);
  } else {
    box.h = out_h;
    box.w = static_cast<int>(static_cast<int64_t>(width) * out_h / height);
  }
  // A picture composed at the output's aspect misses it by less than one of its pixels: it fills the
  // output rather than leaving a hairline of black.
  if (static_cast<int64_t>(out_w - box.w) * width < out_w) box.w = out_w;
  if (static_cast<int64_t>(out_h - box.h) * height < out_h) box.h = out_h;
  box.x = (out_w - box.w) / 2;
  box.y = (out_h - box.h) / 2;
  return box;
}

PixelView ViewOf(const PixelView& frame, FrameView view) {
  if (view.width == 0) view = FrameView{0, frame.width};
  if (view.left < 0 || view.width < 0 || view.left > frame.width - view.width) return {};
  PixelView part{frame.pixels + view.left, view.width, frame.height, frame.pitch};
  if (int64_t{part.width} * 3 == int64_t{part.height} * 4 || part.width < 2 || part.height < 2) return part;
  --part.width;
  --part.height;
  return part;
}

void PartsIn(std::span<const RECT> changed, int left, const PixelView& shown, std::vector<RECT>& out) {
  out.clear();
  for (const RECT& r : changed) {
    const RECT in{std::max(r.left - left, 0), std::max(r.top, 0), std::min(r.right - left, shown.width),
                  std::min(r.bottom, shown.height)};
    if (in.left < in.right && in.top < in.bottom) out.push_back(in);
  }
}

void ClearAround(PixelView dst, const std::vector<FitBox>& boxes) {
  std::vector<std::pair<int, int>> spans;  // the covered columns of a row, left to right
  for (int y = 0; y < dst.height; ++y) {
    spans.clear();
    for (const FitBox& b : boxes)
      if (y >= b.y && y < b.y + b.h) spans.emplace_back(std::max(b.x, 0), std::min(b.x + b.w, dst.width));
    std::sort(spans.begin(), spans.end());
    uint32_t* row = dst.Row(y);
    int x = 0;
    for (const auto& [left, right] : spans) {
      if (left > x) std::fill(row + x, row + left, 0u);
      x = std::max(x, right);
    }
    if (x < dst.width) std::fill(row + x, row + dst.width, 0u);
  }
}

}  // namespace lunvale::platform
