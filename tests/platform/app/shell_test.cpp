// SPDX-License-Identifier: MIT
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "platform/app/cursor.h"
#include "platform/app/shell.h"
#include "support/process.h"

namespace lunvale::platform {
namespace {

using lunvale::testing::ReadFile;
using lunvale::testing::ScopedEnv;
using lunvale::testing::TempDir;

// A desktop launcher of our own, first on the search path: it appends the number of its arguments
// and the first one as a line to a file.
class FakeLauncher : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string script = dir_.Path() + "/xdg-open";
    std::ofstream(script) << "#!/bin/sh\n"
                          << "printf '%s|%s\\n' \"$#\" \"$1\" >> '" << Record() << "'\n";
    ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
  }
  std::string Record() const { return dir_.Path() + "/opened"; }

  // The launcher runs in the background: waits until it has written `lines` lines.
  std::string WaitForLines(size_t lines) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
      text = std::filesystem::exists(Record()) ? ReadFile(Record()) : "";
      if (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= lines) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return text;
  }

  TempDir dir_;
  ScopedEnv path_{"PATH", dir_.Path() + ":/usr/bin:/bin"};
};

TEST_F(FakeLauncher, OpenHandsTheAddressOverUnchanged) {
  // Characters a shell or a URL parser would make something of arrive as they are, in one argument.
  const std::string address = "http://news.example.org/story?id=7&from=feed#top 'quoted' $HOME";
  EXPECT_GT(ShellExecuteA(0, "open", address.c_str(), "", "", SW_SHOW), 32);
  EXPECT_EQ(WaitForLines(1), "1|" + address + "\n");

  // No verb means "open"; parameters and directory do not change the address.
  EXPECT_GT(
      ShellExecuteA(0, nullptr, "http://weather.example.org/forecast/20001_c.html", "-x", "/tmp", SW_SHOW),
      32);
  EXPECT_EQ(WaitForLines(2), "1|" + address + "\n" + "1|http://weather.example.org/forecast/20001_c.html\n");
}

TEST_F(FakeLauncher, FailuresGiveSmallNumbersAndLaunchNothing) {
  EXPECT_EQ(ShellExecuteA(0, "open", "", "", "", SW_SHOW), SE_ERR_FNF);
  EXPECT_EQ(ShellExecuteA(0, "open", nullptr, "", "", SW_SHOW), SE_ERR_FNF);
  EXPECT_EQ(ShellExecuteA(0, "print", "http://example.org/a", "", "", SW_SHOW), SE_ERR_NOASSOC);
  // Feeds are anyone's: only web addresses are opened.
  for (const char* other :
       {"file:///usr/share/applications/xterm.desktop", "/usr/bin/xterm", "javascript:x",
        "ftp://example.org/", "http://", "https:///etc/passwd", "http://a/\nb", "xterm.desktop"})
    EXPECT_EQ(ShellExecuteA(0, "open", other, "", "", SW_SHOW), SE_ERR_NOASSOC) << other;
  {
    ScopedEnv bare("PATH", dir_.Path() + "/none:/nonexistent");
    EXPECT_EQ(ShellExecuteA(0, "open", "http://example.org/b", "", "", SW_SHOW), SE_ERR_NOASSOC);
  }
  // A launch after them is the only one the launcher saw.
  EXPECT_GT(ShellExecuteA(0, "open", "http://example.org/c", "", "", SW_SHOW), 32);
  EXPECT_EQ(WaitForLines(1), "1|http://example.org/c\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(ReadFile(Record()), "1|http://example.org/c\n");
}

TEST(Cursor, CounterShowsTheCursorOnlyFromZeroUp) {
  ScopedEnv driver("SDL_VIDEODRIVER", "dummy");
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  const int base = ShowCursor(true) - 1;
  ShowCursor(false);
  ASSERT_EQ(base, 0);  // the counter starts at 0 in a fresh process
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);

  EXPECT_EQ(ShowCursor(false), -1);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  EXPECT_EQ(ShowCursor(false), -2);
  EXPECT_EQ(ShowCursor(true), -1);  // one show does not undo two hides
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  EXPECT_EQ(ShowCursor(true), 0);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  EXPECT_EQ(ShowCursor(true), 1);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  EXPECT_EQ(ShowCursor(false), 0);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);

  // Without video only the counter moves.
  EXPECT_EQ(ShowCursor(false), -1);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
  EXPECT_EQ(ShowCursor(true), 0);
}

}  // namespace
}  // namespace lunvale::platform
