#pragma once

// Where the display's finished frames go: a window, shown through the cheapest path the X server offers
// (shared memory, else plain image transfers; never a rasterizer), with only what changed since the
// frame before sent to the server. The picture is scaled into each monitor's part of the window with its
// aspect kept.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/pixels.h"

struct SDL_Window;
struct _XDisplay;

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

// Draws the part `src` of `frame` where the whole frame is shown scaled into `box` of `dst` (nearest
// neighbour, each pixel taking the frame's pixel under its centre), through `lut`, clipped to `dst`.
// Returns the rectangle of `dst` written (a pixel or two around the part, which hold the same values).
RECT DrawScaled(PixelView dst, const FitBox& box, const PixelView& frame, const RECT& src,
                const GammaLut& lut);

// A frame output is used in three steps for each frame, around the lock the display keeps its frames
// under: `Follow` on the main thread, then `Draw` by whichever thread holds the frame (under the lock), then
// `Collect` on the main thread under the lock and `Flush` on the main thread without it.
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  // Main thread, under the lock: follows the window (its size, what the server lost, its going away).
  virtual void Follow() = 0;
  // Under the lock: draws the parts `changed` of `frame` (null: all of it); the output may ask for the
  // whole frame instead, see WantsWhole.
  virtual void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) = 0;
  // Under the lock: the next Draw must be given the whole frame (a new window size, nothing drawn yet).
  virtual bool WantsWhole() const = 0;
  // Main thread, under the lock: takes what was drawn since the last time and sends it, or what of
  // sending needs the drawn pixels.
  virtual void Collect() = 0;
  // Main thread, without the lock: what is left of sending. False once the window is gone for good.
  virtual bool Flush() = 0;
};

// An X11 window on its own connection to the default display: it follows the window's size, repaints
// what the server lost, and notices the window going away. `monitors`: the window's parts, one per
// monitor, that each show the whole picture; empty for the whole window, whatever its size. Null with
// `error` set when there is no such window or display.
std::unique_ptr<FrameOutput> OpenX11Output(unsigned long window, std::vector<RECT> monitors,
                                           std::string& error);

// SDL's own surface of `window`, for a window that no X server shows (native Wayland): the picture is
// scaled into the window with its aspect kept.
std::unique_ptr<FrameOutput> OpenSurfaceOutput(SDL_Window* window);

// The monitors of the default display as the desktop arranges them (RandR), in root-window coordinates;
// empty when the server does not tell.
std::vector<RECT> ListX11Monitors();
// The same for the screen of `root` on an open connection.
std::vector<RECT> ListX11Monitors(::_XDisplay* display, unsigned long root);

// The root window of the default display's default screen; 0 without a display.
unsigned long DefaultRootWindowId();

// Xlib reports errors through one process-wide handler whose default ends the process. While a trap
// lives, errors on its connection are counted instead; others go where they went. Traps nest: an inner
// one only counts from where it starts. Main thread only.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(::_XDisplay* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  // Waits for the server to have handled everything sent so far.
  bool Failed();

 private:
  ::_XDisplay* display_;
  bool nested_;
  int start_ = 0;
};

}  // namespace lunvale::platform
