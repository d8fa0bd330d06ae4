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

}  // namespace lunvale::platform
