// SPDX-License-Identifier: MIT
// The lock file's name, which both builds share; the claim itself is display_sound.cpp's (Linux) or
// display_sound_win32.cpp's.
#include "platform/media/display_sound.h"

namespace lunvale::platform {

std::string DisplaySoundLockFile(const std::string& folder, const char* x_display,
                                 const char* wayland_display) {
  std::string name;
  if (x_display != nullptr && *x_display != '\0') {
    name = x_display;
    // host:display.screen: every screen of a display hears the same speakers.
    const size_t colon = name.rfind(':');
    const size_t dot = name.rfind('.');
    if (colon != std::string::npos && dot != std::string::npos && dot > colon) name.erase(dot);
  } else if (wayland_display != nullptr && *wayland_display != '\0') {
    name = wayland_display;
  } else {
    return "";
  }
  for (char& c : name)
    if (c == '/') c = '_';
  return folder + "/lunvale-sound-" + name + ".lock";
}

}  // namespace lunvale::platform
