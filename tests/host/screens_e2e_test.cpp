// SPDX-License-Identifier: MIT
// Every X screen: a display with two separate screens of different shapes, on an X server of the test's own.
#include <gtest/gtest.h>
#include <signal.h>

#include <thread>

#include "support/process.h"
#include "support/test_x_server.h"

// Last: Xlib's macros (None, Status) would clash with the test framework's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

class ScreensOnX : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(xvfb_.Name().empty()) << xvfb_.Stderr();
    display_ = XOpenDisplay(xvfb_.Name().c_str());
    ASSERT_NE(display_, nullptr);
    ASSERT_EQ(ScreenCount(display_), 2);
    saver_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{LUNVALE_EXE, "/s"},
        std::map<std::string, std::string>{
            {"DISPLAY", xvfb_.Name()}, {"XDG_CONFIG_HOME", config_.Path()}, {"SDL_AUDIODRIVER", "dummy"}});
  }
  void TearDown() override {
    if (display_ != nullptr) XCloseDisplay(display_);
  }

  // Screen 1 is 800 x 480, 5:3: it shows a canvas composed for its own shape, which fills it. Two rows of
  // sky are lit across the whole screen.
  bool WaitFilled(std::chrono::seconds timeout) {
    for (auto end = std::chrono::steady_clock::now() + timeout; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(200ms)) {
      XImage* image = XGetImage(display_, RootWindow(display_, 1), 0, 0, 800, 40, AllPlanes, ZPixmap);
      bool fitted = image != nullptr;
      for (int y : {8, 30})
        for (int x = 0; fitted && x < 800; ++x) {
          const unsigned long p = XGetPixel(image, x, y);
          const bool lit = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) > 60;
          fitted = lit;
        }
      if (image != nullptr) XDestroyImage(image);
      if (fitted) return true;
    }
    return false;
  }

  std::vector<Window> Windows() {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display_, RootWindow(display_, 1), &root, &parent, &children, &count);
    std::vector<Window> windows(children, children + count);
    if (children != nullptr) XFree(children);
    return windows;
  }

  PrivateXServer xvfb_{"1024x768x24", {"800x480x24"}};
  TempDir config_;
  Display* display_ = nullptr;
  std::unique_ptr<ChildProcess> saver_;
};

TEST_F(ScreensOnX, EveryScreenShowsTheSceneAndThePointerMovingOnAnotherEndsTheRun) {
  ScopedEnv display("DISPLAY", xvfb_.Name());
  ASSERT_TRUE(WaitUntilLit(500, 10, 400, 60, 60s)) << saver_->Stderr();
  ASSERT_TRUE(WaitFilled(10s)) << saver_->Stderr();
  EXPECT_EQ(Windows().size(), 1u);
  // With the focus following the pointer the saver goes inactive and its frames stop: only the other
  // screen's own input reading can end the run.
  XSetInputFocus(display_, PointerRoot, RevertToPointerRoot, CurrentTime);
  for (int x : {400, 420, 500}) {
    XWarpPointer(display_, 0, RootWindow(display_, 1), 0, 0, 0, 0, x, 240);
    XSync(display_, False);
    std::this_thread::sleep_for(200ms);
  }
  EXPECT_EQ(saver_->Wait(15s), 0) << saver_->Stderr();
  EXPECT_TRUE(Windows().empty());
}

TEST_F(ScreensOnX, AnotherScreensWindowGoingAwayLeavesTheRunGoing) {
  ASSERT_TRUE(WaitFilled(60s)) << saver_->Stderr();
  const std::vector<Window> windows = Windows();
  ASSERT_EQ(windows.size(), 1u);
  XDestroyWindow(display_, windows[0]);
  XSync(display_, False);
  std::this_thread::sleep_for(1s);
  EXPECT_TRUE(saver_->Running());
  kill(saver_->Pid(), SIGTERM);
  EXPECT_EQ(saver_->Wait(10s), 0) << saver_->Stderr();
}

}  // namespace
}  // namespace lunvale::testing
