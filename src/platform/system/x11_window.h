// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>

#include <cstdint>
#include <span>

#include "platform/pixels/pixels.h"

struct _XDisplay;

namespace lunvale::platform {

// Foreign X11 windows, named by the decimal window ids the desktop passes on the command line.
enum class WindowState { kMissing, kHidden, kViewable };

// Whether the default X display (DISPLAY) accepts a connection.
bool CanOpenDefaultDisplay();

// The state of window `id` on the default display; kMissing also when no display can be opened.
WindowState QueryWindowState(unsigned long id);
// The size of window `id` on the default display; nothing when it cannot be asked.
std::optional<std::pair<int, int>> QueryWindowSize(unsigned long id);

// A connection to the default X display for working with one foreign window.
class X11Window {
 public:
  explicit X11Window(unsigned long id);
  ~X11Window();
  X11Window(const X11Window&) = delete;
  X11Window& operator=(const X11Window&) = delete;

  bool Connected() const { return display_ != nullptr; }
  WindowState State();
  std::optional<std::pair<int, int>> Size();
  // Waits up to `timeout_ms` for anything to happen on the connection (a map, an unmap, a destroy)
  // and drops the events read; the caller asks State() again.
  void WaitForEvents(int timeout_ms);
  // Copies `pixels` unscaled to (x, y) of the window, clipped by the X server; false on failure.
  bool PutPixels(const PixelView& pixels, int x, int y);

 private:
  ::_XDisplay* display_ = nullptr;
  unsigned long id_;
};

}  // namespace lunvale::platform
