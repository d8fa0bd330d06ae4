// SPDX-License-Identifier: MIT
// The engine and the sprites on a real X server: the demonstration program's screen, read back.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

TEST(EngineDemoOnX, PlaysTheSceneWithMovingWaterAndTheFrameRateLine) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir config;
  ChildProcess demo({LUNVALE_ENGINE_DEMO}, {{"XDG_CONFIG_HOME", config.Path()}});
  auto window = WaitForWindow("Lunvale engine demo", 15s);
  ASSERT_TRUE(window.has_value()) << demo.Stderr();
  ASSERT_TRUE(WaitUntilLit(450, 20, 500, 120, 60s)) << "the sky never showed";
  std::this_thread::sleep_for(1500ms);  // ten flips give the first rate

  int w = 0, h = 0;
  const std::vector<uint32_t> first = ScreenshotRoot(w, h, "/tmp/lunvale-engine-demo-1.png");
  std::this_thread::sleep_for(170ms);
  const std::vector<uint32_t> second = ScreenshotRoot(w, h, "/tmp/lunvale-engine-demo-2.png");
  if (w != 1024 || h != 768) GTEST_SKIP() << "the checks below read a 1024 x 768 screen";

  // The still parts stand still (sky above the trees' reach), the water moves.
  EXPECT_EQ(Crop(first, w, 450, 20, 500, 120), Crop(second, w, 450, 20, 500, 120));
  EXPECT_NE(Crop(first, w, 400, 600, 200, 100), Crop(second, w, 400, 600, 200, 100));
  // The picture really is there: the sky is far from black.
  size_t dark = 0;
  for (uint32_t p : Crop(first, w, 450, 20, 500, 120)) dark += (p & 0xFF) < 40;
  EXPECT_EQ(dark, 0u);
  // White text of the frame-rate line at x 20, 30 rows above the bottom; nothing white above it there.
  size_t white_line = 0;
  for (uint32_t p : Crop(first, w, 20, 738, 200, 20)) white_line += p == 0xFFFFFF;
  EXPECT_GT(white_line, 40u);
  // The right column and bottom row are never blitted by the clipped background: they stay black.
  for (int y = 0; y < h; y += 37) EXPECT_EQ(first[static_cast<size_t>(y) * w + w - 1], 0u) << y;

  SendKey(*window, "Escape");
  EXPECT_EQ(demo.Wait(10s), 0) << demo.Stderr();
  EXPECT_EQ(demo.Stderr(), "");
}

}  // namespace
}  // namespace lunvale::testing
