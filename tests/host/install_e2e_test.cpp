// SPDX-License-Identifier: MIT
// The installed saver where desktops and screen-saver hosts look for it, run by a host.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(InstalledOnX, TheHackRunsInTheWindowAHostHandsOverAndEndsOnSigterm) {
  TempDir prefix;
  int code = -1;
  const std::string log =
      RunAndCapture({LUNVALE_CMAKE, "--install", LUNVALE_BINARY_DIR, "--prefix", prefix.Path()}, 120s, &code);
  ASSERT_EQ(code, 0) << log;
  const std::string p = prefix.Path();
  const fs::path hack = p + "/libexec/xscreensaver/lunvale";
  ASSERT_TRUE(fs::is_symlink(hack));
  EXPECT_TRUE(fs::equivalent(hack, p + "/bin/lunvale"));
  EXPECT_NE(ReadFile(p + "/share/xscreensaver/config/lunvale.xml").find("<screensaver name=\"lunvale\""),
            std::string::npos);
  EXPECT_NE(ReadFile(p + "/share/man/man6/lunvale.6").find(".SH SIGNALS"), std::string::npos);
  EXPECT_NE(ReadFile(p + "/share/applications/lunvale-settings.desktop").find("\nExec=lunvale /c\n"),
            std::string::npos);

  LUNVALE_REQUIRE_DISPLAY();
  // As xsecurelock runs a saver: no arguments, its window's id in decimal in the environment.
  TempDir config;
  TestWindow host(512, 384, 0xFFFFFF);
  host.Map();
  ChildProcess saver({hack.string()}, {{"XDG_CONFIG_HOME", config.Path()},
                                       {"XSCREENSAVER_WINDOW", std::to_string(host.Id())},
                                       {"SDL_AUDIODRIVER", "dummy"}});
  bool lit = false;
  for (int i = 0; i < 600 && !lit; ++i) {
    lit = true;
    for (uint32_t px : host.Capture(0, 8, 500, 20)) lit = lit && px != 0xFFFFFF && (px & 0xFF) > 60;
    if (!lit) std::this_thread::sleep_for(100ms);
  }
  EXPECT_TRUE(lit) << saver.Stderr();
  kill(saver.Pid(), SIGTERM);
  EXPECT_EQ(saver.Wait(10s), 0) << saver.Stderr();
}

}  // namespace
}  // namespace lunvale::testing
