// SPDX-License-Identifier: MIT
#pragma once

// The course a quit signal takes once it has arrived, the same on both platforms (quit_course.cpp);
// how it arrives is the platform's (quit_signals.cpp: signals, quit_signals_win32.cpp: console events).
// Internal to them; see quit_signals.h.

namespace lunvale::platform::quit_course {

// Records the signal for QuitSignalled. Async-signal-safe.
void Mark();

// Ends the process with status 0: at once outside a run, else after asking the main thread to take
// its exit path and giving it 150 ms. Called on a thread that may wait, never the main thread.
[[noreturn]] void End();

}  // namespace lunvale::platform::quit_course
