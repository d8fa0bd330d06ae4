// SPDX-License-Identifier: MIT
// The volume scale both builds share.
#include "platform/media/mixer.h"

#include <algorithm>

namespace lunvale::platform {

namespace {

constexpr uint32_t kFullScale = 65535;

}  // namespace

long ScaleVolume(uint32_t value, long min, long max) {
  if (max <= min) return min;
  const int64_t span = static_cast<int64_t>(max) - min;
  const int64_t v = std::min(value, kFullScale);
  return static_cast<long>(min + (v * span + kFullScale / 2) / kFullScale);
}

uint32_t UnscaleVolume(long raw, long min, long max) {
  if (max <= min) return 0;
  const int64_t span = static_cast<int64_t>(max) - min;
  const int64_t v = std::clamp<int64_t>(static_cast<int64_t>(raw) - min, 0, span);
  return static_cast<uint32_t>((v * kFullScale + span / 2) / span);
}

}  // namespace lunvale::platform
