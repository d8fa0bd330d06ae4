#pragma once

// The real display: the WidthScreen x HeightScreen picture in a borderless SDL window that covers every
// monitor, scaled to fit each with its aspect kept; or, for a screen-saver host, in the host's window.
//
// Threads: the display object is opened, used for surface creation and released on the main thread. The
// frame (drawing into the back buffer, Flip) may run on another thread: Flip only swaps buffers under a
// short lock and asks the main thread to present, so a frame never waits for the screen. The main thread
// takes the newest finished frame, applies the gamma ramp in software and sends what changed to the
// window (platform/display/frame_output.h).

#include <cstdint>
#include <functional>

#include "platform/display/direct_draw.h"
#include "platform/display/frame_output.h"

namespace lunvale::platform {

// Display modes offered: 32 bits per pixel, from 320 x 200 up to 4096 x 4096.
bool DisplayModeOffered(int width, int height, int bits_per_pixel);

class SdlDisplayBackend : public DisplayBackend {
 public:
  // Runs a call on the main thread at its next turn; by default the application's call queue.
  using PostToMain = std::function<void(std::function<void()>)>;

  // `host_window`: an X11 window of a screen-saver host to draw into instead of a window of our own
  // (0: our own). A host window that goes away asks the application to quit.
  explicit SdlDisplayBackend(PostToMain post = {}, unsigned long host_window = 0);

  HRESULT DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) override;
  DirectDrawEnumerateExFn DirectDrawEnumerateExA() override;
  int GetSystemMetrics(int index) override;

 private:
  PostToMain post_;
  unsigned long host_window_;
};

}  // namespace lunvale::platform
