// SPDX-License-Identifier: MIT
#pragma once

// SDL's own window surface as a frame output, for a window that no X server shows.

#include <memory>

#include "platform/display/frame_output.h"

struct SDL_Window;

namespace lunvale::platform {

// SDL's own surface of `window`, for a window that no X server shows (native Wayland): the picture is
// scaled into the window with its aspect kept.
std::unique_ptr<FrameOutput> OpenSurfaceOutput(SDL_Window* window);

}  // namespace lunvale::platform
