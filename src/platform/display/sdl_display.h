// SPDX-License-Identifier: MIT
#pragma once

// The real display: the WidthScreen x HeightScreen picture in a borderless SDL window that covers every
// monitor, each showing the part of it set for it (all of it by default), scaled to fit with its aspect
// kept; or, for a screen-saver host, in the host's window.
//
// Threads: the display object is opened, used for surface creation and released on the main thread. The
// frame (drawing into the back buffer, Flip) may run on another thread: Flip hands what changed to the
// presenter (platform/display/presenter.h), which scales it into the output's image through the gamma
// ramp on that thread, under the presenter's lock, and asks the main thread to send it. The main thread
// sends under the same lock; an X server slow to take an image can therefore hold the next Flip up.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/native_display.h"
#include "platform/display/presenter.h"

namespace lunvale::platform {

class SdlDisplayBackend : public DisplayBackend {
 public:
  using PostToMain = MainThreadCalls::Post;

  // `calls`: how the display reaches the main thread (the application's call queue and quit request).
  // `host_window`: an X11 window of a screen-saver host to draw into instead of a window of our own
  // (0: our own). A host window that goes away, or input on another X screen, calls `calls.quit`.
  explicit SdlDisplayBackend(MainThreadCalls calls, unsigned long host_window = 0);

  HRESULT DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) override;
  DirectDrawEnumerateExFn DirectDrawEnumerateExA() override;
  int GetSystemMetrics(int index) override;
  std::vector<std::pair<int, int>> OutputSizes() override;
  void SetFrameViews(std::vector<FrameView> views) override { views_ = std::move(views); }

 private:
  MainThreadCalls calls_;
  unsigned long host_window_;
  std::vector<FrameView> views_;
};

}  // namespace lunvale::platform
