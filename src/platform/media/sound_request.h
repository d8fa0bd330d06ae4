// SPDX-License-Identifier: MIT
#pragma once

// What a PlaySoundA call asks for, read from its arguments the same way on both platforms (sound.cpp,
// sound_win32.cpp); see sound.h for the contract. Internal to them.

#include <cstdint>

#include "platform/media/sound.h"

namespace lunvale::platform {

struct SoundRequest {
  enum What { kStop, kRefuse, kPlay } what;
  bool async = false;
  bool loop = false;
};

// kStop: stop the sound, and succeed. kRefuse: stop it, and fail (not a resource of the module, or a
// loop the call would never return from). kPlay: play `sound` as `async` and `loop` say.
inline SoundRequest ReadSoundRequest(const char* sound, uint32_t flags) {
  if (sound == nullptr || (flags & SND_PURGE) == SND_PURGE) return {SoundRequest::kStop};
  if ((flags & SND_RESOURCE) != SND_RESOURCE) return {SoundRequest::kRefuse};  // only the module's own
  const bool async = (flags & SND_ASYNC) != 0;
  const bool loop = (flags & SND_LOOP) != 0;
  if (loop && !async) return {SoundRequest::kRefuse};
  return {SoundRequest::kPlay, async, loop};
}

}  // namespace lunvale::platform
