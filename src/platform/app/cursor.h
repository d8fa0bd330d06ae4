// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::platform {

// The mouse cursor's display counter, as on the original: showing adds one, hiding takes one away,
// and the cursor is visible while the counter is 0 or more. It starts at 0. Returns the new counter.
// The visibility goes to SDL's cursor when SDL's video is running; otherwise only the counter moves
// and the next call made with video running applies it.
int ShowCursor(bool show);

}  // namespace lunvale::platform
