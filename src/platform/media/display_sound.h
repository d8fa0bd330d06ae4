// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace lunvale::platform {

// Several copies of the saver can run for one display: XScreenSaver starts one per screen. One sound
// is enough, so the first copy to claim the display's sound plays it and the others stay silent.
// Nobody takes the claim over: when the first copy stops, the sound stops with it.
//
// The claim is an exclusive lock on a file named after the display (its screen number left out) in
// $XDG_RUNTIME_DIR, else in /tmp with the user's id in the name. The lock goes with the process, however
// it ends. Where no lock can be made (no display named, a folder that cannot be written) every copy may
// play: two sounds are better than none. On Windows a session has one desktop and one set of speakers:
// the claim is the session's, and the lock file's name below is not used.
class DisplaySoundClaim {
 public:
  DisplaySoundClaim() = default;
  ~DisplaySoundClaim() { Release(); }
  DisplaySoundClaim(const DisplaySoundClaim&) = delete;
  DisplaySoundClaim& operator=(const DisplaySoundClaim&) = delete;

  // True when this object holds the claim now, or no lock can be made.
  bool Claim();
  void Release();

 private:
  int fd_ = -1;  // the lock file; on Windows the claim's event handle
};

// The lock file for the display named by DISPLAY (else WAYLAND_DISPLAY) under `folder`, or empty when
// neither names one. ":0.1" and ":0" share one file; any '/' in the name becomes '_'.
std::string DisplaySoundLockFile(const std::string& folder, const char* x_display,
                                 const char* wayland_display);

}  // namespace lunvale::platform
