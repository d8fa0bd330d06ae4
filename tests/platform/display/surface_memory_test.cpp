// SPDX-License-Identifier: MIT
#include "platform/display/surface_memory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace lunvale::platform {
namespace {

constexpr size_t kPixels = 300 * 1024;  // 1.2 MB: about 27 to a block

// Surfaces of one size, more than a block holds, made and dropped on two threads at once: each keeps
// its own pixels, and a slot handed on again comes back zeroed.
TEST(SurfaceMemory, SurfacesOfOneSizeShareBlocksWithoutSharingPixels) {
  const auto work = [](uint32_t tag) {
    std::vector<SurfaceMemory> surfaces;
    for (uint32_t round = 0; round < 2; ++round) {
      while (surfaces.size() < 40) {
        SurfaceMemory& s = surfaces.emplace_back(kPixels);
        ASSERT_TRUE(s.InBlock());
        ASSERT_TRUE(std::all_of(s.Data(), s.Data() + kPixels, [](uint32_t p) { return p == 0; }));
        std::fill(s.Data(), s.Data() + kPixels, tag + static_cast<uint32_t>(surfaces.size()));
      }
      for (size_t i = 0; i < surfaces.size(); ++i)
        ASSERT_TRUE(std::all_of(surfaces[i].Data(), surfaces[i].Data() + kPixels,
                                [&](uint32_t p) { return p == tag + i + 1; }));
      surfaces.resize(surfaces.size() / 2 + round);  // the next round takes slots back
    }
  };
  std::thread other(work, 1000u);
  work(2000u);
  other.join();
  EXPECT_FALSE(SurfaceMemory(16).InBlock());
}

}  // namespace
}  // namespace lunvale::platform
