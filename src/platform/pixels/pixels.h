// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace lunvale::platform {

// A view of 32-bit XRGB pixels (0x00RRGGBB; the top byte is always 0, so 0 is pure black).
// Rows are `pitch` pixels apart. The view does not own the memory.
struct PixelView {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;  // in pixels

  uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
  bool Empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
};

constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}

// Where a colour channel sits in a pixel of an X visual: the lowest bit of its mask, and how many bits
// wide the mask is.
inline int MaskShift(unsigned long mask) {
  int s = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++s;
  }
  return s;
}

inline int MaskWidth(unsigned long mask) {
  int w = 0;
  for (mask >>= MaskShift(mask); mask & 1; mask >>= 1) ++w;
  return w;
}

// The pixel layout of an X visual with those channel masks (red, green, blue): packs an XRGB pixel into
// it, each 8-bit channel widened or narrowed to its mask's width.
class VisualLayout {
 public:
  VisualLayout(unsigned long red, unsigned long green, unsigned long blue) : masks_{red, green, blue} {
    for (int c = 0; c < 3; ++c) {
      shifts_[c] = MaskShift(masks_[c]);
      widths_[c] = MaskWidth(masks_[c]);
    }
  }

  unsigned long Pack(uint32_t xrgb) const {
    unsigned long value = 0;
    for (int c = 0; c < 3; ++c) {
      const unsigned long channel = (xrgb >> (16 - 8 * c)) & 0xFF;
      const unsigned long v = widths_[c] >= 8 ? channel << (widths_[c] - 8) : channel >> (8 - widths_[c]);
      value |= (v << shifts_[c]) & masks_[c];
    }
    return value;
  }

 private:
  unsigned long masks_[3];
  int shifts_[3] = {};
  int widths_[3] = {};
};

}  // namespace lunvale::platform
