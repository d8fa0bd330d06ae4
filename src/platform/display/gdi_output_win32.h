// SPDX-License-Identifier: MIT
#pragma once

// A window as a frame output on Windows, the twin of x11_output.h: the picture is scaled into each
// monitor's part of a 32-bit DIB section the size of the window's client area, and only what changed
// is copied to the window, one BitBlt per rectangle, from whichever thread draws the frame. GDI keeps no
// shared memory with the frame, so every part is copied, unscaled ones too.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/frame_output.h"

namespace lunvale::platform {

// `window`: the window handle. `monitors`: the window's parts, one per monitor, in client coordinates;
// empty for the whole client area, whatever its size. `views`: the part of each frame that each monitor
// (or the whole window) shows; empty: each shows the whole frame. `resized` (may be empty) hears of each
// new size the client area takes, on the thread that draws the frames. Null with `error` set when there
// is no such window.
std::unique_ptr<FrameOutput> OpenGdiOutput(uintptr_t window, std::vector<RECT> monitors,
                                           std::vector<FrameView> views, std::string& error,
                                           std::function<void(int, int)> resized = {});

}  // namespace lunvale::platform
