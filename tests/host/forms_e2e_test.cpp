// SPDX-License-Identifier: MIT
// The run and configuration modes as a user meets them: windows on a real X server.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

TEST(RunModeOnX, CoversTheScreenCreatesTheSettingsAndEndsOnEscape) {
  LUNVALE_REQUIRE_DISPLAY();
  int screen_w = 0, screen_h = 0;
  ScreenshotRoot(screen_w, screen_h);
  ASSERT_GT(screen_w, 0);

  for (const std::vector<std::string>& args : {std::vector<std::string>{"/s"}, std::vector<std::string>{}}) {
    TempDir config;
    std::vector<std::string> argv{LUNVALE_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    ChildProcess saver(argv, {{"XDG_CONFIG_HOME", config.Path()}, {"SDL_AUDIODRIVER", "dummy"}});
    auto window = WaitForWindow("Lunvale Screensaver", 15s);
    ASSERT_TRUE(window.has_value()) << saver.Stderr();

    // Settings are loaded (and, on this first run, written) before the window shows.
    const std::string hive = config.Path() + "/lunvale/HKEY_CURRENT_USER.reg";
    ASSERT_TRUE(std::filesystem::exists(hive));
    const std::string text = ReadFile(hive);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Lunvale Screensaver]"),
              std::string::npos);
    EXPECT_NE(text.find("\"Brightness\"=dword:00000100"), std::string::npos);
    EXPECT_NE(text.find("\"Port\"=\"\""), std::string::npos);

    // Full screen once the display has taken the window.
    std::optional<Geometry> g;
    for (int i = 0; i < 50; ++i) {
      g = WindowGeometry(*window);
      if (g && g->width == screen_w && g->height == screen_h) break;
      std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->x, 0);
    EXPECT_EQ(g->y, 0);
    EXPECT_EQ(g->width, screen_w);
    EXPECT_EQ(g->height, screen_h);

    SendKey(*window, "Escape");
    EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
  }
}

TEST(ConfigurationModeOnX, OpensTheDialogTitledAsTheApplicationAndEndsWhenItCloses) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir config;
  ChildProcess saver({LUNVALE_EXE, "/c:4711"},
                     {{"XDG_CONFIG_HOME", config.Path()}, {"QT_QPA_PLATFORM", "xcb"}});
  auto window = WaitForWindow("Screensaver Configuration", 20s);
  ASSERT_TRUE(window.has_value()) << saver.Stderr();
  auto g = WindowGeometry(*window);
  ASSERT_TRUE(g.has_value());
  EXPECT_EQ(g->width, 539);
  EXPECT_EQ(g->height, 576);
  EXPECT_TRUE(saver.Running());
  SendKey(*window, "Escape");
  EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
}

TEST(ConfigurationModeOnX, WithoutADisplayTheErrorIsReportedNotACrash) {
  ChildProcess saver({LUNVALE_EXE, "-c"},
                     {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
  EXPECT_EQ(saver.Wait(10s), 0);
  EXPECT_EQ(saver.Stderr(), "Screensaver Configuration: Cannot open display \"\"\n");
}

}  // namespace
}  // namespace lunvale::testing
