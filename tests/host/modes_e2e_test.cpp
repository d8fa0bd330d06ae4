// SPDX-License-Identifier: MIT
// The module run as the desktop runs it: the built executable on a real X server.
#include <SDL.h>
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "platform/system/resources.h"
#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

// The preview bitmap as 0x00RRGGBB pixels, decoded independently of the module.
std::vector<uint32_t> PreviewPixels(int& w, int& h) {
  auto bytes = platform::FindResource("PREVIEWBMP");
  EXPECT_TRUE(bytes.has_value());
  if (!bytes) return {};
  SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
  EXPECT_NE(loaded, nullptr);
  if (loaded == nullptr) return {};
  EXPECT_EQ(loaded->format->BitsPerPixel, 8);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  w = rgb->w;
  h = rgb->h;
  std::vector<uint32_t> pixels;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(rgb->pixels) + y * rgb->pitch);
    for (int x = 0; x < w; ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  SDL_FreeSurface(rgb);
  return pixels;
}

TEST(PreviewModeOnX, WaitsForTheWindowThenDrawsThePictureAtItsCorner) {
  LUNVALE_REQUIRE_DISPLAY();
  int w = 0, h = 0;
  const std::vector<uint32_t> expected = PreviewPixels(w, h);
  ASSERT_EQ(w, 154);
  ASSERT_EQ(h, 116);

  TestWindow window(200, 150, 0xFFFFFF);
  ChildProcess saver({LUNVALE_EXE, "/p", std::to_string(window.Id())});
  // Not shown yet: the module keeps waiting.
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(saver.Running());
  window.Map();
  ASSERT_EQ(saver.Wait(10s), 0) << saver.Stderr();

  EXPECT_EQ(window.Capture(0, 0, 154, 116), expected);
  // Unscaled: the rest of the window keeps its own background.
  for (uint32_t p : window.Capture(160, 0, 40, 150)) ASSERT_EQ(p, 0xFFFFFFu);
  for (uint32_t p : window.Capture(0, 120, 154, 30)) ASSERT_EQ(p, 0xFFFFFFu);
  EXPECT_EQ(saver.Stderr(), "");
}

TEST(PreviewModeOnX, AWindowThatIsGoneEndsTheWait) {
  LUNVALE_REQUIRE_DISPLAY();
  {
    TestWindow window(100, 100);
    ChildProcess saver({LUNVALE_EXE, "/p", std::to_string(window.Id())});
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(saver.Running());
    window.Destroy();
    EXPECT_EQ(saver.Wait(5s), 0);
  }
  // An id that names no window at all is a mistake, said as such.
  ChildProcess saver({LUNVALE_EXE, "/p", "4711"});
  EXPECT_EQ(saver.Wait(5s), 1);
  EXPECT_EQ(saver.Stderr(), "lunvale: '4711' is not a window.\n");
}

TEST(ErrorReportOnX, MalformedHandleIsReportedWithTheModesStatus) {
  // Without a display the report goes to standard error; the preview, like a host's modes, fails.
  for (auto [mode, status] : {std::pair{"/p", 1}, {"/a", 0}}) {
    ChildProcess saver({LUNVALE_EXE, mode, "47x1"}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}});
    EXPECT_EQ(saver.Wait(10s), status) << mode;
    EXPECT_EQ(saver.Stderr(), "lunvale: '47x1' is not a valid integer value.\n") << mode;
  }
  // A missing handle is an empty text, just as malformed.
  ChildProcess missing({LUNVALE_EXE, "/p"}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}});
  EXPECT_EQ(missing.Wait(10s), 1);
  EXPECT_EQ(missing.Stderr(), "lunvale: '' is not a valid integer value.\n");
}

TEST(ErrorReportOnX, OnADisplayTheReportIsAMessageBoxThatASignalEnds) {
  LUNVALE_REQUIRE_DISPLAY();
  ChildProcess saver({LUNVALE_EXE, "/a", "47x1"});
  auto box = WaitForWindow("lunvale", 10s);
  ASSERT_TRUE(box.has_value()) << saver.Stderr();
  EXPECT_TRUE(saver.Running());
  SendKey(*box, "Return");
  EXPECT_EQ(saver.Wait(10s), 0);
  EXPECT_EQ(saver.Stderr(), "");

  // Nobody needs to answer it: a host's or the session's signal ends the module, with 0. ThreadSanitizer
  // holds a signal back while the thread it lands on waits for the process that shows the box, so under
  // it this part is left to the other builds.
#if defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "ThreadSanitizer defers signals during the box's wait";
#endif
  for (int signo : {SIGTERM, SIGINT, SIGHUP}) {
    ChildProcess boxed({LUNVALE_EXE, "/a", "47x1"});
    ASSERT_TRUE(WaitForWindow("lunvale", 10s).has_value()) << boxed.Stderr();
    const auto stop = std::chrono::steady_clock::now();
    ::kill(boxed.Pid(), signo);
    EXPECT_EQ(boxed.Wait(5s), 0) << signo;
    std::cout << "[ figure ] signal " << signo << " to exit with a message box up: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                       stop)
                     .count()
              << " ms\n";
  }
}

TEST(PasswordModeOnX, WithoutAProviderTheUserIsToldInAMessageBox) {
  LUNVALE_REQUIRE_DISPLAY();
  TestWindow owner(120, 80);
  owner.Map();
  auto start = std::chrono::steady_clock::now();
  ChildProcess saver({LUNVALE_EXE, "/a", std::to_string(owner.Id())}, {{"LD_LIBRARY_PATH", ""}});
  auto box = WaitForWindow("Screen saver", 10s);
  ASSERT_TRUE(box.has_value()) << saver.Stderr();
  std::cout << "[ figure ] start to password message box: "
            << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                   .count()
            << " ms\n";
  auto geometry = WindowGeometry(*box);
  ASSERT_TRUE(geometry.has_value());
  EXPECT_TRUE(geometry->viewable);
  EXPECT_TRUE(saver.Running());
  SendKey(*box, "Return");
  EXPECT_EQ(saver.Wait(10s), 0);
  EXPECT_EQ(saver.Stderr(), "");

  // The same text, readable, where no display can show the box.
  ChildProcess headless({LUNVALE_EXE, "/a", "0"},
                        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", "dummy"}});
  EXPECT_EQ(headless.Wait(10s), 0);
  EXPECT_EQ(headless.Stderr(), "Screen saver: MPR.DLL not found: cannot change password.\n");
}

TEST(PasswordModeOnX, AProviderWithoutTheEntryPointIsUnloadedAndReported) {
  ChildProcess saver({LUNVALE_EXE, "/a", "0"}, {{"DISPLAY", ""},
                                                {"WAYLAND_DISPLAY", ""},
                                                {"SDL_VIDEODRIVER", "dummy"},
                                                {"LD_LIBRARY_PATH", LUNVALE_TEST_PROVIDER_EMPTY_DIR}});
  EXPECT_EQ(saver.Wait(10s), 0);
  EXPECT_EQ(saver.Stderr(), "Screen saver: PwdChangeProc not found: cannot change password\n");
}

TEST(PasswordModeOnX, TheProviderIsCalledWithTheKeyNameAndTheOwner) {
  TempDir dir;
  const std::string log = dir.Path() + "/calls";
  ChildProcess saver({LUNVALE_EXE, "/A", "4711"}, {{"DISPLAY", ""},
                                                   {"WAYLAND_DISPLAY", ""},
                                                   {"SDL_VIDEODRIVER", "dummy"},
                                                   {"LD_LIBRARY_PATH", LUNVALE_TEST_PROVIDER_OK_DIR},
                                                   {"LUNVALE_TEST_PROVIDER_LOG", log}});
  EXPECT_EQ(saver.Wait(10s), 0);
  EXPECT_EQ(saver.Stderr(), "");
  EXPECT_EQ(ReadFile(log), "SCRSAVE 4711 0 0\n");
}

TEST(ErrorReportOnX, NoReachableDisplayIsReportedInEveryModeNeverRunInvisibly) {
  TempDir config;
  const std::map<std::string, std::string> unreachable[] = {
      {{"DISPLAY", ":55"}, {"WAYLAND_DISPLAY", ""}},
      {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", "wayland-55"}, {"XDG_RUNTIME_DIR", config.Path()}},
  };
  for (auto env : unreachable) {
    env["XDG_CONFIG_HOME"] = config.Path();
    env["SDL_AUDIODRIVER"] = "dummy";
    for (const auto& [args, status] : {std::pair{std::vector<std::string>{LUNVALE_EXE, "/s"}, 0},
                                       {{LUNVALE_EXE, "/p", "4711"}, 1},
                                       {{LUNVALE_EXE, "/a", "4711"}, 0}}) {
      SCOPED_TRACE(args[1] + " DISPLAY=" + env["DISPLAY"]);
      ChildProcess saver(args, env);
      EXPECT_EQ(saver.Wait(10s), status);
      EXPECT_EQ(saver.Stderr(), "lunvale: Cannot open display \"" + env["DISPLAY"] + "\"\n");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(config.Path() + "/lunvale"));  // the run never got to its settings
}

TEST(ErrorReportOnX, AMessageBoxGoesWithItsKilledProcess) {
  LUNVALE_REQUIRE_DISPLAY();
  ChildProcess saver({LUNVALE_EXE, "/a", "47x1"});
  ASSERT_TRUE(WaitForWindow("lunvale", 10s).has_value()) << saver.Stderr();
  ::kill(saver.Pid(), SIGKILL);
  saver.Wait(5s);
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (WaitForWindow("lunvale", 100ms).has_value() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(WaitForWindow("lunvale", 100ms).has_value());
}

}  // namespace
}  // namespace lunvale::testing
