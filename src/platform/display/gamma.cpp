// SPDX-License-Identifier: MIT
#include "platform/display/gamma.h"

namespace lunvale::platform {

DDGAMMARAMP IdentityGammaRamp() {
  DDGAMMARAMP ramp;
  for (int i = 0; i < 256; ++i) ramp.red[i] = ramp.green[i] = ramp.blue[i] = static_cast<uint16_t>(i * 257);
  return ramp;
}

GammaLut MakeGammaLut(const DDGAMMARAMP& ramp) {
  GammaLut lut;
  for (int i = 0; i < 256; ++i) {
    // The high byte of the 16-bit level is the 8-bit output.
    lut.red[i] = static_cast<uint8_t>(ramp.red[i] >> 8);
    lut.green[i] = static_cast<uint8_t>(ramp.green[i] >> 8);
    lut.blue[i] = static_cast<uint8_t>(ramp.blue[i] >> 8);
    if (lut.red[i] != i || lut.green[i] != i || lut.blue[i] != i) lut.identity = false;
  }
  return lut;
}

void ApplyGammaRow(uint32_t* dst, const uint32_t* src, int width, const GammaLut& lut) {
  for (int i = 0; i < width; ++i) {
    const uint32_t p = src[i];
    dst[i] = (static_cast<uint32_t>(lut.red[(p >> 16) & 0xFF]) << 16) |
             (static_cast<uint32_t>(lut.green[(p >> 8) & 0xFF]) << 8) | lut.blue[p & 0xFF];
  }
}

}  // namespace lunvale::platform
