// SPDX-License-Identifier: MIT
#pragma once

// Packing the 32-bit XRGB picture into an X image of another pixel layout: 16-bit visuals (5-6-5,
// 5-5-5) and 32-bit ones with the channels elsewhere. Rows are converted with vector instructions (AVX2
// where the processor has it); a layout it does not cover (24-bit packed pixels, the other byte order,
// channels wider than 8 bits) is left to the caller's pixel-by-pixel path.

#include <cstdint>

#include "platform/display/direct_draw.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

class PixelConverter {
 public:
  // For an image of `bits_per_pixel` bits a pixel with those channel masks, its bytes least
  // significant first (`lsb_first`) or not.
  PixelConverter(unsigned long red, unsigned long green, unsigned long blue, int bits_per_pixel,
                 bool lsb_first);

  // The layout is one this converter packs.
  bool Fast() const { return fast_; }
  // Packs the rectangle `r` of `from` into the same place of the image whose rows start at `image`,
  // `bytes_per_line` apart (whole pixels, as X pads its rows). Only when Fast().
  void Convert(const PixelView& from, const RECT& r, char* image, int bytes_per_line) const;

  // Per channel (red, green, blue): the shift that brings its top bits down, the mask of its width, and
  // its place in the packed pixel.
  struct Channel {
    uint32_t down = 0, mask = 0, up = 0;
  };

 private:
  Channel channels_[3];
  int bytes_ = 0;
  bool fast_ = false;
};

}  // namespace lunvale::platform
