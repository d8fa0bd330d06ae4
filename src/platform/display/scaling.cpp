// SPDX-License-Identifier: MIT
#include "platform/display/scaling.h"

#include <algorithm>
#include <cstring>
#include <vector>

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
  box.x = (out_w - box.w) / 2;
  box.y = (out_h - box.h) / 2;
  return box;
}

RECT DrawScaled(PixelView dst, const FitBox& box, const PixelView& frame, const RECT& src,
                const GammaLut& lut) {
  if (box.w <= 0 || box.h <= 0 || frame.Empty() || dst.Empty()) return {};
  const int64_t fw = frame.width, fh = frame.height;
  // The destination pixels whose centres fall into `src`, with one pixel of slack for the rounding.
  auto to_dst = [](int64_t s, int64_t out, int64_t in) { return static_cast<int>(s * out / in); };
  int x0 = box.x + to_dst(std::max(src.left, 0), box.w, fw) - 1;
  int x1 = box.x + to_dst(std::min<int64_t>(src.right, fw), box.w, fw) + 1;
  int y0 = box.y + to_dst(std::max(src.top, 0), box.h, fh) - 1;
  int y1 = box.y + to_dst(std::min<int64_t>(src.bottom, fh), box.h, fh) + 1;
  x0 = std::max({x0, box.x, 0});
  y0 = std::max({y0, box.y, 0});
  x1 = std::min({x1, box.x + box.w, dst.width});
  y1 = std::min({y1, box.y + box.h, dst.height});
  if (x1 <= x0 || y1 <= y0) return {};
  const int width = x1 - x0;
  const bool unscaled = box.w == frame.width && box.h == frame.height;
  std::vector<int> xs;
  if (!unscaled) {
    xs.resize(static_cast<size_t>(width));
    for (int i = 0; i < width; ++i)
      xs[static_cast<size_t>(i)] =
          static_cast<int>((2 * static_cast<int64_t>(x0 + i - box.x) + 1) * fw / (2 * box.w));
  }
  std::vector<uint32_t> row;
  for (int y = y0; y < y1; ++y) {
    const int sy = static_cast<int>((2 * static_cast<int64_t>(y - box.y) + 1) * fh / (2 * box.h));
    const uint32_t* s = frame.Row(sy);
    uint32_t* d = dst.Row(y) + x0;
    if (unscaled) {
      s += x0 - box.x;
    } else {
      row.resize(static_cast<size_t>(width));
      for (int i = 0; i < width; ++i) row[static_cast<size_t>(i)] = s[xs[static_cast<size_t>(i)]];
      s = row.data();
    }
    if (lut.identity)
      std::memcpy(d, s, static_cast<size_t>(width) * sizeof(uint32_t));
    else
      ApplyGammaRow(d, s, width, lut);
  }
  return RECT{x0, y0, x1, y1};
}

}  // namespace lunvale::platform
