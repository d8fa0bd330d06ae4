// SPDX-License-Identifier: MIT
// The Windows twin of mixer.cpp: the volume control of the first mixer's speakers line, which the
// system maps to the speakers' master volume. A machine without a mixer, or a speakers line without a
// volume control, gives false.
#include "platform/media/mixer.h"

#include <algorithm>
#include <climits>
#include <mutex>

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

// A channel count no speakers line reaches; more are read as this many.
constexpr DWORD kMaxChannels = 16;

struct Speakers {
  HMIXER mixer = nullptr;
  MIXERCONTROLW control{};
  DWORD channels = 0;
  ~Speakers() {
    if (mixer != nullptr) ::mixerClose(mixer);
  }
};

// Opens the first mixer and finds its speakers' volume control, then runs `use` on it.
template <typename Use>
bool WithSpeakers(Use use) {
  static std::mutex mutex;  // one open mixer at a time, as on Linux
  std::lock_guard lock(mutex);
  Speakers s;
  if (::mixerGetNumDevs() == 0 || ::mixerOpen(&s.mixer, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR)
    return false;
  const auto object = reinterpret_cast<HMIXEROBJ>(s.mixer);
  MIXERLINEW line{};
  line.cbStruct = sizeof line;
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  if (::mixerGetLineInfoW(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
      MMSYSERR_NOERROR)
    return false;
  MIXERLINECONTROLSW controls{};
  controls.cbStruct = sizeof controls;
  controls.dwLineID = line.dwLineID;
  controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
  controls.cControls = 1;
  controls.cbmxctrl = sizeof s.control;
  controls.pamxctrl = &s.control;
  if (::mixerGetLineControlsW(object, &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
      MMSYSERR_NOERROR)
    return false;
  // The scale works in longs, which are 32 bits here.
  if (s.control.Bounds.dwMaximum > static_cast<DWORD>(LONG_MAX)) return false;
  s.channels = line.cChannels == 0 ? 1 : std::min(line.cChannels, kMaxChannels);
  return use(s);
}

bool SetSpeakers(const Speakers& s, uint32_t value) {
  // One value for a control that has several channels sets them all alike.
  MIXERCONTROLDETAILS_UNSIGNED level{};
  level.dwValue = static_cast<DWORD>(ScaleVolume(value, static_cast<long>(s.control.Bounds.dwMinimum),
                                                 static_cast<long>(s.control.Bounds.dwMaximum)));
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.dwControlID = s.control.dwControlID;
  details.cChannels = 1;
  details.cbDetails = sizeof level;
  details.paDetails = &level;
  return ::mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(s.mixer), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool GetSpeakers(const Speakers& s, uint32_t& value) {
  MIXERCONTROLDETAILS_UNSIGNED levels[kMaxChannels]{};
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.dwControlID = s.control.dwControlID;
  details.cChannels = s.channels;
  details.cbDetails = sizeof levels[0];
  details.paDetails = levels;
  if (::mixerGetControlDetailsW(reinterpret_cast<HMIXEROBJ>(s.mixer), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
    return false;
  value = UnscaleVolume(static_cast<long>(levels[0].dwValue), static_cast<long>(s.control.Bounds.dwMinimum),
                        static_cast<long>(s.control.Bounds.dwMaximum));
  return true;
}

}  // namespace

bool SetMasterVolume(uint32_t value) {
  return WithSpeakers([value](const Speakers& s) { return SetSpeakers(s, value); });
}

bool GetMasterVolume(uint32_t& value) {
  return WithSpeakers([&value](const Speakers& s) { return GetSpeakers(s, value); });
}

}  // namespace lunvale::platform
