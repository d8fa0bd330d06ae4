// SPDX-License-Identifier: MIT
// The module as Linux screen-saver hosts run it: drawing into the host's window, and stopped by signal.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

long Ms(Clock::duration d) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

std::string Hex(unsigned long id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", id);
  return text;
}

// The scene's sky and clouds: lit, and not the host window's own white.
bool Sky(uint32_t p) {
  return p != 0xFFFFFF && (p & 0xFF) > 60;
}

bool AllSky(const std::vector<uint32_t>& pixels) {
  for (uint32_t p : pixels)
    if (!Sky(p)) return false;
  return true;
}

// Polls the window until the rectangle shows sky; the time it took, or nothing.
std::optional<Clock::duration> WaitForSky(TestWindow& window, int x, int y, int w, int h,
                                          Clock::time_point since, Clock::duration timeout) {
  while (Clock::now() - since < timeout) {
    if (AllSky(window.Capture(x, y, w, h))) return Clock::now() - since;
    std::this_thread::sleep_for(5ms);
  }
  return std::nullopt;
}

std::map<std::string, std::string> SaverEnv(const TempDir& dir, const std::string& host_window) {
  return {{"XDG_CONFIG_HOME", dir.Path()},
          {"XSCREENSAVER_WINDOW", host_window},
          {"SDL_AUDIODRIVER", "disk"},
          {"SDL_DISKAUDIOFILE", dir.Path() + "/sound.raw"}};
}

// Maps `host`, starts the saver into it and waits for sky across the top `sky_width` columns; prints how
// long that took as a figure named `what`. Nothing when no sky came.
std::optional<Clock::duration> StartAndWaitForSky(TestWindow& host, const TempDir& dir,
                                                  std::unique_ptr<ChildProcess>& saver, int sky_width,
                                                  const std::string& what) {
  host.Map();
  const auto start = Clock::now();
  saver =
      std::make_unique<ChildProcess>(std::vector<std::string>{LUNVALE_EXE}, SaverEnv(dir, Hex(host.Id())));
  const auto first = WaitForSky(host, 0, 10, sky_width, 30, start, 60s);
  if (first)
    std::cout << "[ figure ] " << what << ": start to the first frame in the window: " << Ms(*first)
              << " ms\n";
  return first;
}

TEST(HostedOnX, DrawsTheSceneIntoTheHostsWindowFollowsItsSizeAndEndsOnSigterm) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir dir;
  TestWindow host(640, 480, 0xFFFFFF);
  std::unique_ptr<ChildProcess> started;
  // 640 x 480 takes the whole picture at five eighths: sky right across the top (but for the scene's
  // own last column).
  const auto first = StartAndWaitForSky(host, dir, started, 636, "hosted");
  ChildProcess& saver = *started;
  ASSERT_TRUE(first.has_value()) << saver.Stderr();
  // No window of its own: nothing named after the saver comes up.
  EXPECT_FALSE(WaitForWindow("Lunvale Screensaver", 300ms).has_value());

  // Smaller and of another shape, 2:1: a scene composed for that shape fills it, sky from edge to edge.
  host.Resize(400, 200);
  const auto resized = Clock::now();
  const auto filled = WaitForSky(host, 0, 5, 400, 20, resized, 10s);
  ASSERT_TRUE(filled.has_value()) << saver.Stderr();
  std::cout << "[ figure ] hosted: a new shape to a scene composed for it: " << Ms(*filled) << " ms\n";
  EXPECT_TRUE(saver.Running());

  const auto stop = Clock::now();
  kill(saver.Pid(), SIGTERM);
  EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
  std::cout << "[ figure ] hosted: SIGTERM to exit: " << Ms(Clock::now() - stop) << " ms\n";
  std::error_code ec;
  EXPECT_GT(std::filesystem::file_size(dir.Path() + "/sound.raw", ec), 0u) << "the sound played";
  EXPECT_EQ(saver.Stderr().find("rror"), std::string::npos) << saver.Stderr();
}

TEST(HostedOnX, TheWindowIdSwitchWinsAndTheWindowGoingAwayEndsTheRun) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir dir;
  TestWindow host(320, 240, 0xFFFFFF);
  host.Map();
  // The variable names a window that is not there; the switch names the one that is.
  ChildProcess saver({LUNVALE_EXE, "-window-id", std::to_string(host.Id())}, SaverEnv(dir, "0x1"));
  ASSERT_TRUE(WaitForSky(host, 0, 4, 316, 10, Clock::now(), 60s).has_value()) << saver.Stderr();
  host.Destroy();
  EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
}

TEST(HostedOnX, ErrorsGoToStandardErrorWithAFailedStatusAndNeverABox) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir dir;
  // A host window that does not exist (a host restarting the saver after its window has gone), or an
  // id that is none: nobody could answer a box inside a host.
  const struct {
    std::vector<std::string> args;
    std::string host_window, error;
  } cases[] = {
      {{LUNVALE_EXE, "-window-id", "0x1"}, "", "Window 0x1 does not exist."},
      {{LUNVALE_EXE}, "0x1", "Window 0x1 does not exist."},
      {{LUNVALE_EXE, "-root"}, "0x1", "Window 0x1 does not exist."},
      {{LUNVALE_EXE, "-window-id", "zzz"}, "", "'zzz' is not a valid window id."},
      {{LUNVALE_EXE}, "foo", "'foo' is not a valid window id."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back() + " XSCREENSAVER_WINDOW=" + c.host_window);
    ChildProcess saver(c.args, SaverEnv(dir, c.host_window));
    EXPECT_EQ(saver.Wait(20s), 1);
    EXPECT_EQ(saver.Stderr(), "lunvale: " + c.error + "\n");
    EXPECT_FALSE(WaitForWindow("lunvale", 100ms).has_value());
  }
}

TEST(HostedOnX, OfTwoCopiesOnOneDisplayOnlyTheFirstPlaysAndItsEndEndsTheSound) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir first_dir, second_dir, runtime;
  // Test windows share one place on the screen: the second goes over the first once that has drawn.
  TestWindow left(320, 240, 0xFFFFFF), right(320, 240, 0xFFFFFF);
  left.Map();
  auto env = [&](const TempDir& dir, const TestWindow& host) {
    auto e = SaverEnv(dir, std::to_string(host.Id()));
    e["XDG_RUNTIME_DIR"] = runtime.Path();
    return e;
  };
  const std::string first_sound = first_dir.Path() + "/sound.raw";
  const std::string second_sound = second_dir.Path() + "/sound.raw";
  auto first = std::make_unique<ChildProcess>(std::vector<std::string>{LUNVALE_EXE}, env(first_dir, left));
  ASSERT_TRUE(WaitForSky(left, 0, 4, 316, 10, Clock::now(), 60s).has_value()) << first->Stderr();
  right.Map();
  ChildProcess second({LUNVALE_EXE}, env(second_dir, right));
  ASSERT_TRUE(WaitForSky(right, 0, 4, 316, 10, Clock::now(), 60s).has_value()) << second.Stderr();
  std::this_thread::sleep_for(500ms);
  std::error_code ec;
  EXPECT_GT(std::filesystem::file_size(first_sound, ec), 0u) << "the first copy plays";
  EXPECT_FALSE(std::filesystem::exists(second_sound)) << "the second stays silent";

  kill(first->Pid(), SIGTERM);
  EXPECT_EQ(first->Wait(10s), 0);
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(second.Running());
  EXPECT_FALSE(std::filesystem::exists(second_sound)) << "nobody takes the sound over";
  kill(second.Pid(), SIGTERM);
  EXPECT_EQ(second.Wait(10s), 0) << second.Stderr();
}

TEST(QuitSignalsOnX, EndTheFullScreenRunAndThePreviewWait) {
  LUNVALE_REQUIRE_DISPLAY();
  for (int signo : {SIGINT, SIGHUP}) {
    TempDir dir;
    ChildProcess saver({LUNVALE_EXE, "/s"}, SaverEnv(dir, ""));
    ASSERT_TRUE(WaitForWindow("Lunvale Screensaver", 20s).has_value()) << saver.Stderr();
    ASSERT_TRUE(WaitUntilLit(500, 10, 400, 60, 60s));
    const auto stop = Clock::now();
    kill(saver.Pid(), signo);
    EXPECT_EQ(saver.Wait(10s), 0) << signo;
    std::cout << "[ figure ] full screen: signal " << signo << " to exit: " << Ms(Clock::now() - stop)
              << " ms\n";
    EXPECT_FALSE(WaitForWindow("Lunvale Screensaver", 100ms).has_value());
  }
  // The settings dialog too: nothing of it is saved, as with Cancel.
  TempDir dir;
  ChildProcess dialog({LUNVALE_EXE, "/c"}, {{"XDG_CONFIG_HOME", dir.Path()}});
  ASSERT_TRUE(WaitForWindow("Screensaver Configuration", 20s).has_value()) << dialog.Stderr();
  kill(dialog.Pid(), SIGTERM);
  EXPECT_EQ(dialog.Wait(5s), 0) << dialog.Stderr();
  TestWindow hidden(100, 100);
  ChildProcess preview({LUNVALE_EXE, "/p", std::to_string(hidden.Id())});
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(preview.Running());
  kill(preview.Pid(), SIGTERM);
  EXPECT_EQ(preview.Wait(5s), 0) << preview.Stderr();
}

TEST(UsageOnX, HelpListsTheModesAndTheVersionIsPrinted) {
  ChildProcess help({LUNVALE_EXE, "--help"}, {{"DISPLAY", ""}});
  EXPECT_EQ(help.Wait(10s), 0);
  for (const char* mode : {"/s", "/c", "/p", "/a", "-root", "-window-id", "XSCREENSAVER_WINDOW", "SIGTERM",
                           "--version", "--add-to-xscreensaver", "--remove-from-xscreensaver"})
    EXPECT_NE(help.Stdout().find(mode), std::string::npos) << mode;
  // Never the saver, even where a display would answer.
  for (const char* version : {"--version", "-V"}) {
    ChildProcess saver({LUNVALE_EXE, version});
    EXPECT_EQ(saver.Wait(10s), 0);
    EXPECT_TRUE(std::regex_match(saver.Stdout(), std::regex("lunvale [0-9]+(\\.[0-9]+)+\n")))
        << saver.Stdout();
  }
}

TEST(WideScreenOnX, A1920x1080ScreenIsFilledEdgeToEdgeFromTheFirstFrame) {
  // A little larger than the window, which test windows place at (10, 10).
  PrivateXServer xvfb("1930x1090x24");
  ASSERT_FALSE(xvfb.Name().empty()) << xvfb.Stderr();
  ScopedEnv display("DISPLAY", xvfb.Name());
  TempDir dir;
  // The host's window is the whole screen, as the lockers hand it over.
  TestWindow host(1920, 1080, 0xFFFFFF);
  std::unique_ptr<ChildProcess> started;
  // Sky from the left edge to the right edge: the scene is composed at 16:9, no bars beside it.
  const auto first = StartAndWaitForSky(host, dir, started, 1920, "1920 x 1080");
  ChildProcess& saver = *started;
  ASSERT_TRUE(first.has_value()) << saver.Stderr();
  // The water and the panel reach both edges too; the picture is kept for a look.
  std::this_thread::sleep_for(1s);
  int w = 0, h = 0;
  const std::vector<uint32_t> shot = ScreenshotRoot(w, h, "/tmp/lunvale-1920x1080.png");
  ASSERT_EQ(w, 1930);
  for (int x : {10, 1929})
    for (uint32_t p : Crop(shot, w, x, 50, 1, 1030))
      ASSERT_NE(p & 0xF0F0F0, 0u) << "black at column " << x - 10;
  kill(saver.Pid(), SIGTERM);
  EXPECT_EQ(saver.Wait(15s), 0) << saver.Stderr();
}

}  // namespace
}  // namespace lunvale::testing
