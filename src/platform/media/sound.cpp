// SPDX-License-Identifier: MIT
#include "platform/media/sound.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/media/sound_request.h"
#include "platform/system/resources.h"

namespace lunvale::platform {

namespace {

// Device buffer in sample frames of the sound's own rate: short enough that a stop is heard at once,
// long enough that a busy machine does not make it stutter. Closing the device waits for one buffer, and
// a host that stops the saver by signal expects it gone within a fifth of a second.
constexpr Uint16 kBufferFrames = 512;

// The decoded sound and how far it has been played. The data is set while the device is locked and
// freed only after the device is closed, so the callback never sees it change.
struct Voice {
  Uint8* data = nullptr;  // owned; from SDL_LoadWAV_RW
  Uint32 length = 0;      // whole sample frames only
  Uint32 position = 0;    // touched by the callback alone once playing
  Uint32 bytes_per_second = 0;
  bool loop = false;
  Uint8 silence = 0;
  // Played once: a whole buffer of silence went out after the end, so the last sound reached the device.
  std::atomic<bool> drained{false};

  ~Voice() { SDL_FreeWAV(data); }
};

// Runs on the audio thread. Looping copies on from the start inside the same buffer, so the wrap is
// just the next sample: no gap and no fade.
void FillBuffer(void* userdata, Uint8* out, int len) {
  auto& voice = *static_cast<Voice*>(userdata);
  Uint32 left = static_cast<Uint32>(len);
  while (left > 0 && voice.position < voice.length) {
    const Uint32 n = std::min(left, voice.length - voice.position);
    std::memcpy(out, voice.data + voice.position, n);
    out += n;
    left -= n;
    voice.position += n;
    if (voice.position == voice.length && voice.loop) voice.position = 0;
  }
  if (left == static_cast<Uint32>(len) && voice.data != nullptr) voice.drained.store(true);
  std::memset(out, voice.silence, left);
}

void Quiet(const char*, int, const char*, int, const char*, ...) {}

std::mutex g_mutex;
SDL_AudioDeviceID g_device = 0;  // 0: nothing playing and the audio subsystem not held
std::unique_ptr<Voice> g_voice;

void StopLocked() {
  if (g_device != 0) {
    SDL_CloseAudioDevice(g_device);  // waits for the audio thread: the callback has finished for good
    g_device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  g_voice.reset();
}

// A sound still playing when the process ends: the device must close before the sound's data goes,
// or the audio thread would read freed memory during the exit.
struct CloseAtExit {
  ~CloseAtExit() {
    std::lock_guard lock(g_mutex);
    StopLocked();
  }
} g_close_at_exit;

std::unique_ptr<Voice> Decode(const char* name, SDL_AudioSpec& wav) {
  const auto resource = FindResource(name);
  if (!resource || resource->empty() || resource->size() > static_cast<size_t>(INT32_MAX)) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(resource->data(), static_cast<int>(resource->size()));
  if (rw == nullptr) return nullptr;
  auto voice = std::make_unique<Voice>();
  if (SDL_LoadWAV_RW(rw, 1, &wav, &voice->data, &voice->length) == nullptr) return nullptr;
  const Uint32 frame = SDL_AUDIO_BITSIZE(wav.format) / 8 * wav.channels;
  if (frame == 0) return nullptr;
  voice->length -= voice->length % frame;
  voice->bytes_per_second = frame * static_cast<Uint32>(std::max(wav.freq, 1));
  if (voice->length == 0) return nullptr;
  return voice;
}

bool StartLocked(const char* name, bool loop) {
  SDL_AudioSpec wav{};
  std::unique_ptr<Voice> voice = Decode(name, wav);
  if (!voice) return false;

  // A machine without sound is normal for a screen saver; ALSA would print half a page about it.
  snd_lib_error_set_handler(&Quiet);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want = wav;
  want.samples = kBufferFrames;
  want.callback = &FillBuffer;
  want.userdata = voice.get();
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts the sound's own format to the device's, rate included.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_LockAudioDevice(device);
  voice->silence = have.silence;
  voice->loop = loop;
  voice->position = 0;
  SDL_UnlockAudioDevice(device);
  g_device = device;
  g_voice = std::move(voice);
  SDL_PauseAudioDevice(device, 0);
  return true;
}

}  // namespace

bool PlaySoundA(const char* sound, void* /*module*/, uint32_t flags) {
  std::lock_guard lock(g_mutex);
  StopLocked();
  const auto [what, async, loop] = ReadSoundRequest(sound, flags);
  if (what != SoundRequest::kPlay) return what == SoundRequest::kStop;
  if (!StartLocked(sound, loop)) return false;
  if (async) return true;

  // Played once while the caller waits; a device that stops taking data ends the wait after
  // twice the sound's length.
  const Uint64 length_ms = static_cast<Uint64>(g_voice->length) * 1000 / g_voice->bytes_per_second;
  const Uint64 deadline = SDL_GetTicks64() + 1000 + 2 * length_ms;
  while (!g_voice->drained.load() && SDL_GetTicks64() < deadline) SDL_Delay(5);
  StopLocked();
  return true;
}

}  // namespace lunvale::platform
