// SPDX-License-Identifier: MIT
#include "platform/display/pixel_convert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace lunvale::platform {
namespace {

// Every layout the converter takes packs each pixel of the rectangle as VisualLayout does, one by one,
// and leaves the rest of the image alone.
TEST(PixelConverter, PacksTheRectangleAsThePixelByPixelPathDoes) {
  const struct {
    const char* name;
    unsigned long red, green, blue;
    int bits;
  } layouts[] = {
      {"5-6-5", 0xF800, 0x07E0, 0x001F, 16},
      {"5-5-5", 0x7C00, 0x03E0, 0x001F, 16},
      {"blue first, 32 bits", 0x0000FF, 0x00FF00, 0xFF0000, 32},
  };
  constexpr int kW = 70, kH = 9;  // wider than a vector, with a tail
  std::vector<uint32_t> picture(kW * kH);
  std::mt19937 random(7);
  for (uint32_t& p : picture) p = random() & 0xFFFFFF;
  const PixelView view{picture.data(), kW, kH, kW};
  const RECT r{3, 2, 67, 8};
  for (const auto& l : layouts) {
    SCOPED_TRACE(l.name);
    const PixelConverter converter(l.red, l.green, l.blue, l.bits, true);
    ASSERT_TRUE(converter.Fast());
    const int bytes = l.bits / 8, line = kW * bytes + 8;  // padded, as X pads rows to 32 bits
    std::vector<char> image(static_cast<size_t>(line) * kH, '\x5A');
    converter.Convert(view, r, image.data(), line);
    const VisualLayout layout(l.red, l.green, l.blue);
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        uint32_t got = 0;
        std::memcpy(&got, &image[static_cast<size_t>(y) * line + static_cast<size_t>(x) * bytes], bytes);
        const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        const uint32_t want = inside ? static_cast<uint32_t>(layout.Pack(view.Row(y)[x]))
                                     : (bytes == 2 ? 0x5A5Au : 0x5A5A5A5Au);
        ASSERT_EQ(got, want) << x << "," << y;
      }
    }
  }
  // Left to the pixel-by-pixel path: 24-bit pixels, the other byte order, 10-bit channels.
  EXPECT_FALSE(PixelConverter(0xFF0000, 0xFF00, 0xFF, 24, true).Fast());
  EXPECT_FALSE(PixelConverter(0xF800, 0x07E0, 0x001F, 16, false).Fast());
  EXPECT_FALSE(PixelConverter(0x3FF00000, 0xFFC00, 0x3FF, 32, true).Fast());
}

}  // namespace
}  // namespace lunvale::platform
