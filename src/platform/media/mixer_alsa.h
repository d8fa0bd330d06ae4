// SPDX-License-Identifier: MIT
#pragma once

// The master volume on an ALSA mixer, for the Linux build only (mixer.cpp).

#include <cstdint>

#include "platform/media/mixer.h"

typedef struct _snd_mixer snd_mixer_t;

namespace lunvale::platform {

// SetMasterVolume and GetMasterVolume on a mixer that is already open and loaded. ALSA's own error
// printing is switched off for the process.
bool SetMasterVolume(snd_mixer_t* mixer, uint32_t value);
bool GetMasterVolume(snd_mixer_t* mixer, uint32_t& value);

}  // namespace lunvale::platform
