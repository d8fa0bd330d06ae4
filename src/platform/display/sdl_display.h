#pragma once

// The real display: the WidthScreen x HeightScreen picture in a borderless SDL window that covers the
// monitor, scaled to fit with its aspect kept.
//
// Threads: the display object is opened, used for surface creation and released on the main thread. The
// frame (drawing into the back buffer, Flip) may run on another thread: Flip only swaps buffers under a
// short lock and asks the main thread to present, so a frame never waits for the screen. The main thread
// takes the newest finished frame, applies the gamma ramp in software and shows it.

#include <cstdint>
#include <functional>

#include "platform/display/direct_draw.h"

namespace lunvale::platform {

// The gamma ramp as three 8-bit lookup tables, used at presentation.
struct GammaLut {
  uint8_t red[256];
  uint8_t green[256];
  uint8_t blue[256];
  bool identity = true;  // the ramp leaves every level as it is: presentation copies the pixels as they are
};

// The ramp a display starts with (entry i is i * 257) and after it was closed.
DDGAMMARAMP IdentityGammaRamp();
GammaLut MakeGammaLut(const DDGAMMARAMP& ramp);
// One row of XRGB pixels through the lookup tables; the top byte of the result is 0.
void ApplyGammaRow(uint32_t* dst, const uint32_t* src, int width, const GammaLut& lut);

// Where a width x height picture goes in an output of out_w x out_h: as large as fits with its aspect
// kept, centred (the rest stays black).
struct FitBox {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FitBox&) const = default;
};
FitBox FitPicture(int width, int height, int out_w, int out_h);

// Display modes offered: 32 bits per pixel, from 320 x 200 up to 4096 x 4096.
bool DisplayModeOffered(int width, int height, int bits_per_pixel);

class SdlDisplayBackend : public DisplayBackend {
 public:
  // Runs a call on the main thread at its next turn; by default the application's call queue.
  using PostToMain = std::function<void(std::function<void()>)>;

  explicit SdlDisplayBackend(PostToMain post = {});

  HRESULT DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) override;
  DirectDrawEnumerateExFn DirectDrawEnumerateExA() override;
  int GetSystemMetrics(int index) override;

 private:
  PostToMain post_;
};

}  // namespace lunvale::platform
