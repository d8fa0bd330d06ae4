// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lunvale::host {

// Preview mode: waits until the window named by `handle_text` (a decimal X11 window id) is viewable,
// draws "PREVIEWBMP" unscaled at its top-left corner and returns. A window that does not exist, or is
// destroyed before it is ever shown, ends the wait at once.
void RunPreview(std::string_view handle_text);

}  // namespace lunvale::host
