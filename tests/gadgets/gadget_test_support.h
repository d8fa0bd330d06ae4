// SPDX-License-Identifier: MIT
#pragma once

// What the gadget tests read back from a frame: the box of the pixels that differ from a ground,
// whole-picture differences, and text widths in the gadgets' face.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/pictures/picture.h"
#include "platform/pixels/pixels.h"
#include "platform/text/device_context.h"
#include "platform/text/font.h"

namespace lunvale::gadgets::testing_support {

// The pixels in columns [x0, x1) and rows [y0, y1) that differ from `ground` (black when none is
// given): their box, how many there are and their brightest channel.
struct Ink {
  int left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;  // inclusive
  int pixels = 0;
  uint32_t brightest = 0;
  bool Empty() const { return pixels == 0; }
};

inline Ink InkIn(platform::PixelView view, int x0, int y0, int x1, int y1,
                 const std::function<uint32_t(int, int)>& ground = nullptr) {
  Ink ink;
  for (int y = std::max(0, y0); y < std::min(view.height, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(view.width, x1); ++x) {
      const uint32_t p = view.Row(y)[x] & 0xFFFFFF;
      if (p == (ground ? ground(x, y) & 0xFFFFFF : 0u)) continue;
      ++ink.pixels;
      ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
      ink.brightest = std::max({ink.brightest, p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF});
    }
  return ink;
}

// Pixels in which two pictures of the same size differ.
inline int Differences(platform::PixelView a, platform::PixelView b) {
  int differing = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) differing += a.Row(y)[x] != b.Row(y)[x];
  return differing;
}

// The width of `text` in the gadgets' bold face at cell height `height`.
inline int TextWidth(int height, std::string_view text) {
  platform::Bitmap scratch(4, 4);
  platform::DeviceContext dc(scratch.View());
  dc.SelectFont(platform::Font::Create("Arial", height, platform::FW_BOLD));
  return dc.GetTextExtent(text).cx;
}

}  // namespace lunvale::gadgets::testing_support
