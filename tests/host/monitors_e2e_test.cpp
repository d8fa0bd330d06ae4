// SPDX-License-Identifier: MIT
// Every monitor: a wide screen that the desktop splits into two monitors, on an X server of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

TEST(MonitorsOnX, EachMonitorShowsTheWholeSceneAndInputOnAnyEndsTheRun) {
  // The monitors live in the server's state, which its -noreset keeps after this connection leaves.
  PrivateXServer xvfb("2048x768x24");
  const std::string& name = xvfb.Name();
  ASSERT_FALSE(name.empty()) << xvfb.Stderr();
  ASSERT_TRUE(SetMonitors(name, {{0, 0, 1024, 768}, {1024, 0, 1024, 768}}));

  ScopedEnv display("DISPLAY", name);
  TempDir config;
  ChildProcess saver({LUNVALE_EXE, "/s"}, {{"XDG_CONFIG_HOME", config.Path()}, {"SDL_AUDIODRIVER", "dummy"}});
  ASSERT_TRUE(WaitUntilLit(1024 + 500, 10, 400, 60, 60s)) << saver.Stderr();
  ASSERT_TRUE(WaitUntilLit(500, 10, 400, 60, 10s));
  // Both halves show the same frame; a screenshot may fall between the two transfers of one frame.
  bool same = false;
  for (int i = 0; i < 5 && !same; ++i) {
    int w = 0, h = 0;
    const std::vector<uint32_t> shot = ScreenshotRoot(w, h, "/tmp/lunvale-two-monitors.png");
    ASSERT_EQ(w, 2048);
    same = Crop(shot, w, 0, 0, 1024, 768) == Crop(shot, w, 1024, 0, 1024, 768);
  }
  EXPECT_TRUE(same);

  // The pointer moving on the right monitor ends the run.
  for (const char* x : {"1500", "1520", "1600"}) {
    RunAndCapture({"/usr/bin/xdotool", "mousemove", x, "400"}, 5s);
    std::this_thread::sleep_for(200ms);
  }
  EXPECT_EQ(saver.Wait(15s), 0) << saver.Stderr();
}

}  // namespace
}  // namespace lunvale::testing
