// SPDX-License-Identifier: MIT
// The full-screen run as a user meets it: the lake on a real X server, ended by the keyboard and the
// mouse, with the sound written through SDL's disk audio driver.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

// Moves the pointer by (dx, dy) from wherever it is.
void MoveMouseBy(int dx, int dy) {
  RunAndCapture({"/usr/bin/xdotool", "mousemove_relative", "--", std::to_string(dx), std::to_string(dy)}, 5s);
  std::this_thread::sleep_for(150ms);
}

// A saver started with its own settings folder, sound file and browser stand-in.
class SceneRun {
 public:
  SceneRun()
      : sound_(dir_.Path() + "/sound.raw"),
        opened_(dir_.Path() + "/opened"),
        saver_({LUNVALE_EXE, "/s"}, {{"XDG_CONFIG_HOME", dir_.Path()},
                                     {"SDL_AUDIODRIVER", "disk"},
                                     {"SDL_DISKAUDIOFILE", sound_},
                                     {"PATH", Browser() + ":/usr/bin:/bin"}}) {}

  ChildProcess& Saver() { return saver_; }
  const std::string& SoundFile() const { return sound_; }
  std::string Opened() const { return ReadFile(opened_); }

 private:
  // An xdg-open that only writes down what it was asked to open.
  std::string Browser() {
    const std::string bin = dir_.Path() + "/bin";
    std::filesystem::create_directories(bin);
    std::ofstream script(bin + "/xdg-open");
    script << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << dir_.Path() << "/opened'\n";
    script.close();
    chmod((bin + "/xdg-open").c_str(), 0755);
    return bin;
  }

  TempDir dir_;
  std::string sound_;
  std::string opened_;
  ChildProcess saver_;
};

TEST(SceneOnX, TheLakeMovesTheSoundPlaysAndEscapeEndsTheRun) {
  LUNVALE_REQUIRE_DISPLAY();
  SceneRun run;
  auto window = WaitForWindow("Lunvale Screensaver", 20s);
  ASSERT_TRUE(window.has_value()) << run.Saver().Stderr();
  EXPECT_TRUE(WaitUntilLit(500, 10, 400, 60, 60s)) << "the sky never showed";
  std::this_thread::sleep_for(500ms);
  int w = 0, h = 0;
  const std::vector<uint32_t> first = ScreenshotRoot(w, h, "/tmp/lunvale-scene-1.png");
  std::this_thread::sleep_for(200ms);
  const std::vector<uint32_t> second = ScreenshotRoot(w, h, "/tmp/lunvale-scene-2.png");
  if (w == 1024 && h == 768) {
    // The water ripples between two screenshots; the far shore's trees stand still.
    EXPECT_NE(Crop(first, w, 600, 650, 150, 80), Crop(second, w, 600, 650, 150, 80));
    size_t dark_sky = 0;
    for (uint32_t p : Crop(first, w, 500, 10, 400, 60)) dark_sky += (p & 0xFF) < 40;
    EXPECT_EQ(dark_sky, 0u);
  }
  EXPECT_TRUE(run.Saver().Running());

  SendKey(*window, "Escape");
  EXPECT_EQ(run.Saver().Wait(15s), 0) << run.Saver().Stderr();
  // Some seconds of the looping ambience reached the audio device: 11025 frames a second, 2 channels.
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(run.SoundFile(), ec);
  EXPECT_FALSE(ec);
  EXPECT_GT(bytes, 11025u * 2 * 2);
  const std::string pcm = ReadFile(run.SoundFile());
  size_t loud = 0;
  for (char c : pcm) loud += c != 0;
  EXPECT_GT(loud, pcm.size() / 4);
}

TEST(SceneOnX, SmallMouseStepsKeepItRunningALargeOneEndsIt) {
  LUNVALE_REQUIRE_DISPLAY();
  SceneRun run;
  auto window = WaitForWindow("Lunvale Screensaver", 20s);
  ASSERT_TRUE(window.has_value()) << run.Saver().Stderr();
  std::this_thread::sleep_for(500ms);
  // The first event only records where the pointer rests; then steps of five pixels on both axes.
  for (int i = 0; i < 6; ++i) MoveMouseBy(i == 0 ? 1 : 5, i == 0 ? 1 : -5);
  EXPECT_TRUE(run.Saver().Running());
  MoveMouseBy(-40, 0);
  EXPECT_EQ(run.Saver().Wait(15s), 0) << run.Saver().Stderr();
}

TEST(SceneOnX, FunctionKeysOpenTheirPagesThenEndTheRun) {
  LUNVALE_REQUIRE_DISPLAY();
  {
    SceneRun run;
    auto window = WaitForWindow("Lunvale Screensaver", 20s);
    ASSERT_TRUE(window.has_value()) << run.Saver().Stderr();
    SendKey(*window, "F3");
    EXPECT_EQ(run.Saver().Wait(15s), 0) << run.Saver().Stderr();
    // The first run stored the defaults: Washington, DC.
    for (int i = 0; i < 50 && run.Opened().empty(); ++i) std::this_thread::sleep_for(100ms);
    EXPECT_EQ(run.Opened(), "https://www.yr.no/en/forecast/daily-table/38.8951,-77.0364\n");
  }
  {
    // No news link yet: nothing can be opened, and the run ends all the same.
    SceneRun run;
    auto window = WaitForWindow("Lunvale Screensaver", 20s);
    ASSERT_TRUE(window.has_value()) << run.Saver().Stderr();
    SendKey(*window, "shift+F2");
    EXPECT_EQ(run.Saver().Wait(15s), 0) << run.Saver().Stderr();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(run.Opened(), "");
  }
}

}  // namespace
}  // namespace lunvale::testing
