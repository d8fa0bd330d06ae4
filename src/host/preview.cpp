// SPDX-License-Identifier: MIT
#include "host/preview.h"

#include <stdexcept>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"
#include "platform/pictures/picture.h"
#include "platform/pixels/pixels.h"
#include "platform/system/conversions.h"
#include "platform/system/x11_window.h"

namespace lunvale::host {

namespace {

platform::Bitmap LoadPreviewBitmap() {
  const platform::Picture picture = platform::Picture::LoadResource("PREVIEWBMP");
  return picture.GetBitmap();
}

}  // namespace

void RunPreview(std::string_view handle_text) {
  const auto handle = static_cast<unsigned long>(static_cast<uint32_t>(platform::StrToInt(handle_text)));
  platform::InstallQuitSignals();
  platform::RequireDisplay(true);  // the preview window is an X11 window
  platform::X11Window window(handle);
  // The desktop maps the preview window when it is ready; waiting on the X connection instead of
  // spinning keeps the wait from eating a core while it lasts.
  for (bool first = true;; first = false) {
    if (platform::QuitSignalled()) return;
    platform::WindowState state = window.State();
    // A window that goes before it is shown ends the wait; a number that never named one is an error.
    if (state == platform::WindowState::kMissing && first) throw std::runtime_error(NotAWindow(handle_text));
    if (state == platform::WindowState::kMissing) return;
    if (state == platform::WindowState::kViewable) break;
    window.WaitForEvents(20);
  }
  const platform::Bitmap bitmap = LoadPreviewBitmap();
  window.PutPixels(bitmap.View(), 0, 0);
}

}  // namespace lunvale::host
