// SPDX-License-Identifier: MIT
#include "platform/media/mixer_alsa.h"

#include <alsa/asoundlib.h>

#include <mutex>

namespace lunvale::platform {

namespace {

void Quiet(const char*, int, const char*, int, const char*, ...) {}

// A machine without sound is normal for a screen saver; ALSA would print half a page about it.
void SilenceAlsa() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(&Quiet); });
}

snd_mixer_elem_t* FindMaster(snd_mixer_t* mixer) {
  snd_mixer_selem_id_t* sid = nullptr;
  snd_mixer_selem_id_alloca(&sid);
  snd_mixer_selem_id_set_index(sid, 0);
  snd_mixer_selem_id_set_name(sid, "Master");
  snd_mixer_elem_t* elem = snd_mixer_find_selem(mixer, sid);
  if (elem == nullptr || !snd_mixer_selem_has_playback_volume(elem)) return nullptr;
  return elem;
}

// Opens the default control's simple mixer, runs `use` on it and closes it again.
template <typename Use>
bool WithDefaultMixer(Use use) {
  SilenceAlsa();
  static std::mutex mutex;  // one open mixer at a time; ALSA's configuration is shared state
  std::lock_guard lock(mutex);
  snd_mixer_t* mixer = nullptr;
  if (snd_mixer_open(&mixer, 0) < 0) return false;
  bool ok = snd_mixer_attach(mixer, "default") >= 0 &&
            snd_mixer_selem_register(mixer, nullptr, nullptr) >= 0 && snd_mixer_load(mixer) >= 0 &&
            use(mixer);
  snd_mixer_close(mixer);
  return ok;
}

}  // namespace

bool SetMasterVolume(snd_mixer_t* mixer, uint32_t value) {
  SilenceAlsa();
  snd_mixer_elem_t* elem = mixer != nullptr ? FindMaster(mixer) : nullptr;
  long min = 0, max = 0;
  if (elem == nullptr || snd_mixer_selem_get_playback_volume_range(elem, &min, &max) < 0) return false;
  return snd_mixer_selem_set_playback_volume_all(elem, ScaleVolume(value, min, max)) >= 0;
}

bool GetMasterVolume(snd_mixer_t* mixer, uint32_t& value) {
  SilenceAlsa();
  snd_mixer_elem_t* elem = mixer != nullptr ? FindMaster(mixer) : nullptr;
  long min = 0, max = 0, raw = 0;
  if (elem == nullptr || snd_mixer_selem_get_playback_volume_range(elem, &min, &max) < 0 ||
      snd_mixer_selem_get_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, &raw) < 0)
    return false;
  value = UnscaleVolume(raw, min, max);
  return true;
}

bool SetMasterVolume(uint32_t value) {
  return WithDefaultMixer([value](snd_mixer_t* mixer) { return SetMasterVolume(mixer, value); });
}

bool GetMasterVolume(uint32_t& value) {
  return WithDefaultMixer([&value](snd_mixer_t* mixer) { return GetMasterVolume(mixer, value); });
}

}  // namespace lunvale::platform
