// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lunvale::host {

// Preview mode: waits until the window named by `handle_text` (a decimal window id: X11's on Linux, a
// window handle on Windows) is viewable and draws "PREVIEWBMP" unscaled at its top-left corner; on Linux
// it then returns, on Windows it keeps the picture painted until the window goes. A window destroyed
// before it is ever shown ends the wait at once; a number that names no window at all throws
// std::runtime_error(NotAWindow(handle_text)), which the entry reports with status 1.
void RunPreview(std::string_view handle_text);

inline std::string NotAWindow(std::string_view handle_text) {
  return "'" + std::string(handle_text) + "' is not a window.";
}

}  // namespace lunvale::host
