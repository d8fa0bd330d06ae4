// SPDX-License-Identifier: MIT
// The Windows twin of sound.cpp: the system's PlaySound plays the resource's bytes from memory. The
// module's resources are found as on Linux (FindResource), so the module handle is ignored here too.
// A machine without any wave output device refuses at once, as Linux does without an audio device;
// other failures of an asynchronous sound happen after the call and are not seen.
#include "platform/media/sound.h"

#include <algorithm>
#include <mutex>

#include "platform/media/sound_request.h"
#include "platform/system/resources.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

#undef FindResource  // <windows.h>'s name for FindResourceA; ours is meant

namespace lunvale::platform {

namespace {

std::mutex g_mutex;

void StopLocked() {
  ::PlaySoundA(nullptr, nullptr, 0);
}

// A sound still playing when the process ends is stopped while the system's sound thread can still
// finish cleanly.
struct StopAtExit {
  ~StopAtExit() {
    std::lock_guard lock(g_mutex);
    StopLocked();
  }
} g_stop_at_exit;

// The fields every WAVE file needs: RIFF....WAVE, so that bytes of another kind are refused here and
// not handed to the system's default sound.
bool LooksLikeWave(std::span<const unsigned char> bytes) {
  return bytes.size() >= 12 && std::equal(bytes.begin(), bytes.begin() + 4, "RIFF") &&
         std::equal(bytes.begin() + 8, bytes.begin() + 12, "WAVE");
}

}  // namespace

bool PlaySoundA(const char* sound, void* /*module*/, uint32_t flags) {
  std::lock_guard lock(g_mutex);
  StopLocked();
  const auto [what, async, loop] = ReadSoundRequest(sound, flags);
  if (what != SoundRequest::kPlay) return what == SoundRequest::kStop;
  const auto bytes = FindResource(sound);
  if (!bytes || !LooksLikeWave(*bytes) || ::waveOutGetNumDevs() == 0) return false;
  // SND_NODEFAULT: a sound that cannot be played stays silent rather than ringing the system's sound.
  // The resource's bytes last as long as the module, as an asynchronous sound needs.
  const DWORD how = SND_MEMORY | SND_NODEFAULT | (async ? SND_ASYNC : SND_SYNC) | (loop ? SND_LOOP : 0);
  return ::PlaySoundA(reinterpret_cast<LPCSTR>(bytes->data()), nullptr, how) != FALSE;
}

}  // namespace lunvale::platform
