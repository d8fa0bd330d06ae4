// SPDX-License-Identifier: MIT
// The Windows twin of display_sound.cpp. A session has one desktop and one set of speakers, so the
// claim is a named event in the session's namespace instead of a lock file: whoever makes the event
// holds the claim while its handle is open, and the system closes that with the process however it
// ends. Unlike a mutex it belongs to no thread, and a second claim in the same process fails as on
// Linux. Where no event can be made, every copy may play.
#include "platform/media/display_sound.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

bool DisplaySoundClaim::Claim() {
  if (fd_ >= 0) return true;
  HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, L"Local\\lunvale-sound");
  if (event == nullptr) return true;
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(event);
    return false;
  }
  // Kernel handles keep to 32 significant bits, so they fit the descriptor's place.
  fd_ = static_cast<int>(HandleToLong(event));
  return true;
}

void DisplaySoundClaim::Release() {
  if (fd_ < 0) return;
  ::CloseHandle(LongToHandle(fd_));  // the last handle: the event and the claim go
  fd_ = -1;
}

}  // namespace lunvale::platform
