// SPDX-License-Identifier: MIT
#pragma once

// The display's gamma ramp as it is applied in software when a frame is presented.

#include <cstdint>

#include "platform/display/direct_draw.h"

namespace lunvale::platform {

// The gamma ramp as three 8-bit lookup tables, used at presentation.
struct GammaLut {
  uint8_t red[256];
  uint8_t green[256];
  uint8_t blue[256];
  bool identity = true;  // the ramp leaves every level as it is: presentation copies the pixels as they are
};

// The ramp a display starts with (entry i is i * 257) and after it was closed.
DDGAMMARAMP IdentityGammaRamp();
GammaLut MakeGammaLut(const DDGAMMARAMP& ramp);
// One row of XRGB pixels through the lookup tables; the top byte of the result is 0.
void ApplyGammaRow(uint32_t* dst, const uint32_t* src, int width, const GammaLut& lut);

}  // namespace lunvale::platform
