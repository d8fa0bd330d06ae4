// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

typedef struct _snd_mixer snd_mixer_t;

namespace lunvale::platform {

// The master volume: the ALSA simple mixer element "Master" of the "default" control, playback
// volume, every channel alike. Values run 0..65535 (larger ones count as 65535) and are scaled to
// the element's own range. Every failure (no card, no such element) gives false and stays quiet:
// ALSA's own error printing is switched off for the process.
bool SetMasterVolume(uint32_t value);
bool GetMasterVolume(uint32_t& value);  // the first channel, scaled back to 0..65535

// The same on a mixer that is already open and loaded.
bool SetMasterVolume(snd_mixer_t* mixer, uint32_t value);
bool GetMasterVolume(snd_mixer_t* mixer, uint32_t& value);

// 0..65535 to min..max and back, rounded to the nearest step.
long ScaleVolume(uint32_t value, long min, long max);
uint32_t UnscaleVolume(long raw, long min, long max);

}  // namespace lunvale::platform
