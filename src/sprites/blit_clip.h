// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "platform/display/direct_draw.h"

namespace lunvale::sprites {

// Where a sprite's blit lands: the destination point and the part of the source to copy.
struct ClippedBlit {
  bool draw = false;
  int x = 0;
  int y = 0;
  platform::RECT source;
};

// Clips `source` (left and top 0 in practice) placed at (x, y) against a panel of wd x hd. A sprite
// touching the right or bottom edge is cut so that it never reaches column wd - 1 / row hd - 1: the
// sprites have always been drawn that way and the scene's art is laid out for it. A sprite that reaches
// over both edges of an axis is cut on both sides, so that the blit stays on the back buffer.
ClippedBlit ClipBlit(int32_t x, int32_t y, const platform::RECT& source, int wd, int hd);

}  // namespace lunvale::sprites
