// SPDX-License-Identifier: MIT
#pragma once

// The platform's own display, as the engine asks for it: SdlDisplayBackend on Linux (sdl_display.cpp),
// the GDI display on Windows (display_win32.cpp). Both offer the same modes and show the same pixels.

#include <memory>

#include "platform/display/direct_draw.h"
#include "platform/display/presenter.h"

namespace lunvale::platform {

// Display modes offered: 32 bits per pixel, from 320 x 200 up to 4096 x 4096. The real display mode
// never changes: the picture is scaled to the monitors as they are.
bool DisplayModeOffered(int width, int height, int bits_per_pixel);

// `calls`: how the display reaches the main thread. `host_window`: a screen-saver host's window to draw
// into instead of the form's (0: the form's), as the platform names windows (an X11 id, a window
// handle).
std::shared_ptr<DisplayBackend> MakeDisplayBackend(MainThreadCalls calls, unsigned long host_window = 0);

}  // namespace lunvale::platform
