// SPDX-License-Identifier: MIT
// A Wayland desktop without an X server for its clients: a real compositor (nested in an X server of the
// test's own, so that its output can be looked at) and the saver on its Wayland socket only.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

TEST(WaylandOnX, TheSceneShowsOnTheCompositorAndTheRunEndsOnSigterm) {
  if (!std::filesystem::exists("/usr/bin/weston")) GTEST_SKIP() << "no Wayland compositor installed";
  PrivateXServer xvfb("1280x1024x24");
  ASSERT_FALSE(xvfb.Name().empty()) << xvfb.Stderr();
  ScopedEnv display("DISPLAY", xvfb.Name());
  TempDir runtime;
  chmod(runtime.Path().c_str(), 0700);
  // A black desktop without a panel, so that only the saver can light the output.
  const std::string config = runtime.Path() + "/weston.ini";
  std::ofstream(config) << "[shell]\nbackground-color=0xff000000\npanel-position=none\n";
  ChildProcess weston({"/usr/bin/weston", "--backend=x11-backend.so", "--socket=lunvale-test", "--width=1024",
                       "--height=768", "--idle-time=0", "--config=" + config},
                      {{"XDG_RUNTIME_DIR", runtime.Path()}});
  for (int i = 0; i < 200 && !std::filesystem::exists(runtime.Path() + "/lunvale-test"); ++i)
    std::this_thread::sleep_for(50ms);
  ASSERT_TRUE(std::filesystem::exists(runtime.Path() + "/lunvale-test")) << weston.Stderr();

  TempDir settings;
  std::map<std::string, std::string> env = {{"DISPLAY", ""},
                                            {"WAYLAND_DISPLAY", "lunvale-test"},
                                            {"XDG_RUNTIME_DIR", runtime.Path()},
                                            {"XDG_CONFIG_HOME", settings.Path()},
                                            {"SDL_AUDIODRIVER", "dummy"}};
#if defined(__SANITIZE_ADDRESS__)
  // SDL loads the Wayland client libraries itself and unloads them at exit, so the few objects they keep
  // to the end show up as leaks of code that is no longer there to name.
  env["ASAN_OPTIONS"] = "detect_leaks=0";
#endif
  ChildProcess saver({LUNVALE_EXE, "/s"}, env);
  // The sky across the top of the output, once the first frames are shown.
  EXPECT_TRUE(WaitUntilLit(100, 10, 800, 60, 60s)) << saver.Stderr();
  int w = 0, h = 0;
  ScreenshotRoot(w, h, "/tmp/lunvale-wayland.png");
  kill(saver.Pid(), SIGTERM);
  EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
  EXPECT_EQ(saver.Stderr().find("Error"), std::string::npos) << saver.Stderr();
}

}  // namespace
}  // namespace lunvale::testing
