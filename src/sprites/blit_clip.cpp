// SPDX-License-Identifier: MIT
#include "sprites/blit_clip.h"

namespace lunvale::sprites {

namespace {

// One axis: `pos` is the destination, [lo, hi) the source span, `size` the panel. 64-bit so that
// positions near the integer limits cannot wrap.
bool ClipAxis(int64_t& pos, int64_t& lo, int64_t& hi, int64_t size) {
  const int64_t extent = hi - lo;
  if (pos > 0 && pos + extent < size) return true;  // wholly inside
  if (pos > size - 2) return false;                 // starts at or right of the last column
  if (pos + extent > size - 1) {                    // cut at the far edge
    hi = size - 1 - pos + lo;
    if (pos < 0) {  // reaching over the near edge too
      lo -= pos;
      pos = 0;
    }
    return true;
  }
  if (pos + extent < 2) return false;  // at most one pixel would show
  lo -= pos;                           // cut at the near edge
  pos = 0;
  return true;
}

}  // namespace

ClippedBlit ClipBlit(int32_t x, int32_t y, const platform::RECT& source, int wd, int hd) {
  ClippedBlit out;
  int64_t px = x, l = source.left, r = source.right;
  int64_t py = y, t = source.top, b = source.bottom;
  if (!ClipAxis(px, l, r, wd) || !ClipAxis(py, t, b, hd)) return out;
  out.draw = true;
  out.x = static_cast<int>(px);
  out.y = static_cast<int>(py);
  out.source = {static_cast<int32_t>(l), static_cast<int32_t>(t), static_cast<int32_t>(r),
                static_cast<int32_t>(b)};
  return out;
}

}  // namespace lunvale::sprites
