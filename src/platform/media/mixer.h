// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lunvale::platform {

// The master volume of the speakers, every channel alike. Values run 0..65535 (larger ones count as
// 65535) and are scaled to the control's own range. Every failure (no card, no such control) gives
// false and stays quiet. On Linux the control is the ALSA simple mixer element "Master" of the
// "default" control (mixer_alsa.h); on Windows the volume of the mixer's speakers line.
bool SetMasterVolume(uint32_t value);
bool GetMasterVolume(uint32_t& value);  // the first channel, scaled back to 0..65535

// 0..65535 to min..max and back, rounded to the nearest step.
long ScaleVolume(uint32_t value, long min, long max);
uint32_t UnscaleVolume(long raw, long min, long max);

}  // namespace lunvale::platform
