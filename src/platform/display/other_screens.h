// SPDX-License-Identifier: MIT
#pragma once

// A display may have several X screens (":0.0", ":0.1") that nothing joins into one desktop; SDL's
// window lies on one of them only. Each other screen gets a full-screen window of our own, black and
// without a cursor, that shows the same frames (each of its monitors its own part of them, scaled with the
// aspect kept); input there ends the run as input on the saver's own window does.

#include <memory>
#include <utility>
#include <vector>

#include "platform/display/frame_output.h"
#include "platform/display/presenter.h"
#include "platform/display/scaling.h"

struct _XDisplay;

namespace lunvale::platform {

// `main`: the output of `window`, which `display` (SDL's connection) shows on one of its screens. When
// the display has other screens: an output that shows each frame on `main` and on every other screen,
// and reads the other screens' input while it does; it is alive as long as `main` is. With one screen:
// `main` itself, and nothing else is opened. Input there is read on the main thread through
// `calls.post`, and ends the run through `calls.quit`. `views`: what each of the other screens' monitors
// shows, as OtherScreenOutputs lists them. Main thread only.
std::unique_ptr<FrameOutput> CoverOtherScreens(std::unique_ptr<FrameOutput> main, ::_XDisplay* display,
                                               unsigned long window, const MainThreadCalls& calls,
                                               const std::vector<FrameView>& views);

// The sizes of the monitors of every screen of the default display but its default one, screen by
// screen, in the order CoverOtherScreens takes their views; a screen that lists none counts as one
// monitor of its own size. Empty without a display.
std::vector<std::pair<int, int>> OtherScreenOutputs();

}  // namespace lunvale::platform
