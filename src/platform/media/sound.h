// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lunvale::platform {

// Waveform sound playback after the system's one-call interface, on an SDL audio device (on Windows,
// through the system's own call: sound_win32.cpp).
//
// Only sounds among the module's resources are played (SND_RESOURCE; the module handle is
// ignored): a WAVE file in any coding SDL decodes, converted by SDL to whatever the device takes.
// One sound plays at a time: a new request stops the current sound first, also when the new one
// then cannot be played. With SND_ASYNC the call returns at once; with SND_LOOP as well the sound
// repeats without a gap until it is stopped. Without SND_ASYNC the call returns after the sound
// has been played once (SND_LOOP is then refused, as on the original).
//
// A null sound or SND_PURGE stops the sound and closes the device; that is always true.
// Every failure (unknown resource, undecodable data, no audio device) gives false and prints
// nothing: the caller goes on without sound.
//
// Calls may come from any thread; they are serialised.

constexpr uint32_t SND_SYNC = 0x0000;
constexpr uint32_t SND_ASYNC = 0x0001;
constexpr uint32_t SND_NODEFAULT = 0x0002;
constexpr uint32_t SND_LOOP = 0x0008;
constexpr uint32_t SND_PURGE = 0x0040;
constexpr uint32_t SND_RESOURCE = 0x00040004;

bool PlaySoundA(const char* sound, void* module, uint32_t flags);

}  // namespace lunvale::platform
