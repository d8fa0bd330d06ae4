// SPDX-License-Identifier: MIT
#pragma once

struct _XDisplay;

namespace lunvale::platform {

// Xlib reports errors through one process-wide handler whose default ends the process. While a trap
// lives, errors on its connection are counted instead; errors on other connections go where they went.
// Traps nest: an inner one only counts from where it starts. Threads may each keep traps on connections of
// their own at the same time.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(::_XDisplay* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  // Waits for the server to have handled everything sent so far; true when any of it failed.
  bool Failed();

 private:
  ::_XDisplay* display_;
  unsigned long start_ = 0;
};

}  // namespace lunvale::platform
