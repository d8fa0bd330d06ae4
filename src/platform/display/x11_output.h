// SPDX-License-Identifier: MIT
#pragma once

// An X11 window as a frame output, shown through the cheapest path the X server offers (shared memory,
// else plain image transfers; never a rasterizer), with only what changed since the frame before sent to
// the server. The picture is scaled into each monitor's part of the window.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/frame_output.h"
#include "platform/display/scaling.h"
#include "platform/system/x11_error_trap.h"

struct _XDisplay;

namespace lunvale::platform {

// An X11 window on its own connection to the default display: it follows the window's size, repaints
// what the server lost, and notices the window going away. `monitors`: the window's parts, one per
// monitor; empty for the whole window, whatever its size. `views`: the part of each frame that each
// monitor (or the whole window) shows, scaled to fill it with its aspect kept; empty: each shows the whole
// frame. `resized` (may be empty) hears of each new size the window takes, on the thread that sends the
// frames (the output sends where it draws). Null with `error`
// set when there is no such window or display.
std::unique_ptr<FrameOutput> OpenX11Output(unsigned long window, std::vector<RECT> monitors,
                                           std::vector<FrameView> views, std::string& error,
                                           std::function<void(int, int)> resized = {});

// The monitors of the default display as the desktop arranges them (RandR), in root-window coordinates;
// empty when the server does not tell.
std::vector<RECT> ListX11Monitors();
// The same for the screen of `root` on an open connection.
std::vector<RECT> ListX11Monitors(::_XDisplay* display, unsigned long root);

// The root window of the default display's default screen; 0 without a display.
unsigned long DefaultRootWindowId();

}  // namespace lunvale::platform
