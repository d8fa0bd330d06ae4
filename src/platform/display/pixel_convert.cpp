// SPDX-License-Identifier: MIT
#include "platform/display/pixel_convert.h"

#include <bit>
#include <cstddef>

namespace lunvale::platform {

namespace {

using Channel = PixelConverter::Channel;

// Written to be vectorised: the same shifts for every pixel of a row.
#define LUNVALE_VECTORISE optimize("tree-vectorize", "vect-cost-model=dynamic")

template <typename Out>
inline void PackLoop(Out* __restrict dst, const uint32_t* __restrict src, int n, Channel r, Channel g,
                     Channel b) {
  for (int i = 0; i < n; ++i) {
    const uint32_t p = src[i];
    dst[i] = static_cast<Out>((((p >> r.down) & r.mask) << r.up) | (((p >> g.down) & g.mask) << g.up) |
                              (((p >> b.down) & b.mask) << b.up));
  }
}

template <typename Out>
__attribute__((target("avx2"), LUNVALE_VECTORISE)) void PackAvx2(Out* __restrict dst,
                                                                 const uint32_t* __restrict src, int n,
                                                                 Channel r, Channel g, Channel b) {
  PackLoop(dst, src, n, r, g, b);
}

template <typename Out>
__attribute__((LUNVALE_VECTORISE)) void PackBase(Out* __restrict dst, const uint32_t* __restrict src, int n,
                                                 Channel r, Channel g, Channel b) {
  PackLoop(dst, src, n, r, g, b);
}

bool HasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

}  // namespace

PixelConverter::PixelConverter(unsigned long red, unsigned long green, unsigned long blue, int bits_per_pixel,
                               bool lsb_first) {
  const unsigned long masks[3] = {red, green, blue};
  // The image's bytes must be in this machine's order to be written as whole words.
  fast_ = lsb_first == (std::endian::native == std::endian::little) &&
          (bits_per_pixel == 16 || bits_per_pixel == 32);
  bytes_ = bits_per_pixel / 8;
  for (int c = 0; c < 3; ++c) {
    const int width = MaskWidth(masks[c]);
    const int shift = MaskShift(masks[c]);
    // A channel of 8 bits or fewer is the top bits of ours; wider ones (10-bit visuals) would need them
    // repeated below, as VisualLayout does.
    if (width == 0 || width > 8 || shift + width > bits_per_pixel) fast_ = false;
    if (!fast_) continue;
    channels_[c] = {static_cast<uint32_t>(16 - 8 * c + 8 - width), (1u << width) - 1,
                    static_cast<uint32_t>(shift)};
  }
}

void PixelConverter::Convert(const PixelView& from, const RECT& r, char* image, int bytes_per_line) const {
  static const bool avx2 = HasAvx2();
  const int n = r.right - r.left;
  if (!fast_ || n <= 0) return;
  const Channel& red = channels_[0];
  const Channel& green = channels_[1];
  const Channel& blue = channels_[2];
  for (int y = r.top; y < r.bottom; ++y) {
    const uint32_t* src = from.Row(y) + r.left;
    char* row = image + static_cast<std::ptrdiff_t>(y) * bytes_per_line +
                static_cast<std::ptrdiff_t>(r.left) * bytes_;
    if (bytes_ == 2) {
      auto* dst = reinterpret_cast<uint16_t*>(row);
      avx2 ? PackAvx2(dst, src, n, red, green, blue) : PackBase(dst, src, n, red, green, blue);
    } else {
      auto* dst = reinterpret_cast<uint32_t*>(row);
      avx2 ? PackAvx2(dst, src, n, red, green, blue) : PackBase(dst, src, n, red, green, blue);
    }
  }
}

}  // namespace lunvale::platform
