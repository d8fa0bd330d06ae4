// SPDX-License-Identifier: MIT
#include "platform/system/x11_error_trap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include <X11/Xlib.h>

namespace lunvale::platform {
namespace {

// An error on a window that does not exist; false when the request succeeded.
bool AskForMissingWindow(::Display* display) {
  XWindowAttributes attrs{};
  return XGetWindowAttributes(display, 0x7FFFFF1, &attrs) == 0;
}

// Two threads keep traps on connections of their own at the same time: each trap counts its own
// connection's errors only, an inner trap only those after it began, and the process's handler is back
// once the last trap is gone (an untrapped error would end the test).
TEST(X11ErrorTrapOnX, EachConnectionCountsItsOwnErrorsOnEveryThread) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
  ::Display* failing = XOpenDisplay(nullptr);
  ::Display* quiet = XOpenDisplay(nullptr);
  ASSERT_NE(failing, nullptr);
  ASSERT_NE(quiet, nullptr);
  const XErrorHandler before = XSetErrorHandler(nullptr);
  XSetErrorHandler(before);
  std::thread other([quiet] {
    for (int i = 0; i < 200; ++i) {
      X11ErrorTrap trap(quiet);
      XWindowAttributes attrs{};
      XGetWindowAttributes(quiet, DefaultRootWindow(quiet), &attrs);
      EXPECT_FALSE(trap.Failed());
    }
  });
  for (int i = 0; i < 200; ++i) {
    X11ErrorTrap trap(failing);
    EXPECT_TRUE(AskForMissingWindow(failing));
    X11ErrorTrap inner(failing);
    EXPECT_FALSE(inner.Failed());
    EXPECT_TRUE(trap.Failed());
  }
  other.join();
  EXPECT_EQ(XSetErrorHandler(before), before);
  XCloseDisplay(quiet);
  XCloseDisplay(failing);
}

}  // namespace
}  // namespace lunvale::platform
