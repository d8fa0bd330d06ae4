// SPDX-License-Identifier: MIT
#include <alsa/asoundlib.h>
#include <alsa/control_external.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/media/mixer_alsa.h"

namespace lunvale::platform {
namespace {

TEST(Mixer, ScalesTheFullRangeOntoTheElementsRange) {
  EXPECT_EQ(ScaleVolume(51199, 0, 87), 68);  // the default setting 200 of 256
  EXPECT_EQ(ScaleVolume(32768, 0, 100), 50);
  EXPECT_EQ(ScaleVolume(65535, -10239, 400), 400);
  EXPECT_EQ(ScaleVolume(70000, 0, 87), 87);  // beyond full scale counts as full
  EXPECT_EQ(ScaleVolume(40000, 5, 5), 5);
  EXPECT_EQ(ScaleVolume(65535, 0, 0x7FFFFFFF), 0x7FFFFFFF);

  EXPECT_EQ(UnscaleVolume(-5, 0, 87), 0u);
  EXPECT_EQ(UnscaleVolume(1000, 0, 87), 65535u);
  EXPECT_EQ(UnscaleVolume(3, 3, 3), 0u);
  for (uint32_t v : {0u, 1u, 32767u, 51199u, 65534u, 65535u})
    EXPECT_EQ(UnscaleVolume(ScaleVolume(v, 0, 65535), 0, 65535), v);
}

// A sound card made in the process: ALSA's external control plugin interface, so the real simple
// mixer code of the library runs over it.
struct FakeCard {
  struct Element {
    std::string name;
    long min, max;
    std::vector<long> values;
  };
  std::vector<Element> elements;
  snd_ctl_ext_t ext{};
  snd_mixer_t* mixer = nullptr;

  static FakeCard& Of(snd_ctl_ext_t* ext) { return *static_cast<FakeCard*>(ext->private_data); }

  static int Count(snd_ctl_ext_t* ext) { return static_cast<int>(Of(ext).elements.size()); }
  static int List(snd_ctl_ext_t* ext, unsigned int offset, snd_ctl_elem_id_t* id) {
    snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    snd_ctl_elem_id_set_name(id, Of(ext).elements.at(offset).name.c_str());
    return 0;
  }
  static snd_ctl_ext_key_t Find(snd_ctl_ext_t* ext, const snd_ctl_elem_id_t* id) {
    auto& els = Of(ext).elements;
    for (size_t i = 0; i < els.size(); ++i)
      if (els[i].name == snd_ctl_elem_id_get_name(id)) return i;
    return SND_CTL_EXT_KEY_NOT_FOUND;
  }
  static int Attribute(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, int* type, unsigned int* acc,
                       unsigned int* count) {
    *type = SND_CTL_ELEM_TYPE_INTEGER;
    *acc = SND_CTL_EXT_ACCESS_READWRITE;
    *count = static_cast<unsigned>(Of(ext).elements.at(key).values.size());
    return 0;
  }
  static int Info(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* min, long* max, long* step) {
    *min = Of(ext).elements.at(key).min;
    *max = Of(ext).elements.at(key).max;
    *step = 0;
    return 0;
  }
  static int Read(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
    const auto& v = Of(ext).elements.at(key).values;
    std::copy(v.begin(), v.end(), value);
    return 0;
  }
  static int Write(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
    auto& v = Of(ext).elements.at(key).values;
    std::copy(value, value + v.size(), v.begin());
    return 1;
  }

  explicit FakeCard(std::vector<Element> els) : elements(std::move(els)) {
    static const snd_ctl_ext_callback_t callbacks = [] {
      snd_ctl_ext_callback_t c{};
      c.elem_count = &Count;
      c.elem_list = &List;
      c.find_elem = &Find;
      c.get_attribute = &Attribute;
      c.get_integer_info = &Info;
      c.read_integer = &Read;
      c.write_integer = &Write;
      return c;
    }();
    ext.version = SND_CTL_EXT_VERSION;
    std::strcpy(ext.id, "Fake");
    std::strcpy(ext.driver, "Fake");
    std::strcpy(ext.name, "Fake");
    std::strcpy(ext.longname, "Fake card");
    std::strcpy(ext.mixername, "Fake mixer");
    ext.poll_fd = -1;
    ext.callback = &callbacks;
    ext.private_data = this;
    snd_hctl_t* hctl = nullptr;
    if (snd_ctl_ext_create(&ext, "fake", 0) < 0 || snd_hctl_open_ctl(&hctl, ext.handle) < 0 ||
        snd_mixer_open(&mixer, 0) < 0 || snd_mixer_attach_hctl(mixer, hctl) < 0 ||
        snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 || snd_mixer_load(mixer) < 0)
      ADD_FAILURE() << "fake card not made";
  }
  ~FakeCard() {
    if (mixer != nullptr) snd_mixer_close(mixer);
  }
};

TEST(Mixer, SetsEveryChannelOfMasterInTheElementsRange) {
  FakeCard card({{"PCM Playback Volume", 0, 255, {7, 7}}, {"Master Playback Volume", 0, 87, {10, 20}}});
  ASSERT_NE(card.mixer, nullptr);
  EXPECT_TRUE(SetMasterVolume(card.mixer, 51199));
  EXPECT_EQ(card.elements[1].values, (std::vector<long>{68, 68}));
  EXPECT_EQ(card.elements[0].values, (std::vector<long>{7, 7}));  // only Master
  uint32_t read = 0;
  EXPECT_TRUE(GetMasterVolume(card.mixer, read));
  EXPECT_NEAR(read, 51199, 65535 / 87 / 2 + 1);

  EXPECT_TRUE(SetMasterVolume(card.mixer, 65535));
  EXPECT_EQ(card.elements[1].values, (std::vector<long>{87, 87}));
  EXPECT_TRUE(GetMasterVolume(card.mixer, read));
  EXPECT_EQ(read, 65535u);
  EXPECT_TRUE(SetMasterVolume(card.mixer, 0));
  EXPECT_EQ(card.elements[1].values, (std::vector<long>{0, 0}));
}

TEST(Mixer, OddRangesAndMissingMaster) {
  FakeCard decibels({{"Master Playback Volume", -5000, 1000, {0}}});
  ASSERT_NE(decibels.mixer, nullptr);
  EXPECT_TRUE(SetMasterVolume(decibels.mixer, 0));
  EXPECT_EQ(decibels.elements[0].values[0], -5000);
  EXPECT_TRUE(SetMasterVolume(decibels.mixer, 32768));
  EXPECT_EQ(decibels.elements[0].values[0], -2000);

  FakeCard no_master({{"PCM Playback Volume", 0, 255, {100, 100}}});
  ASSERT_NE(no_master.mixer, nullptr);
  uint32_t read = 1234;
  EXPECT_FALSE(SetMasterVolume(no_master.mixer, 65535));
  EXPECT_FALSE(GetMasterVolume(no_master.mixer, read));
  EXPECT_EQ(read, 1234u);
  EXPECT_EQ(no_master.elements[0].values, (std::vector<long>{100, 100}));
  EXPECT_FALSE(SetMasterVolume(nullptr, 1));
}

// No sound card: false, and not a word on standard error. ALSA is pointed at a configuration of
// our own, so a developer's real card is never touched.
TEST(Mixer, WithoutACardFailsSilently) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("lunvale-mixer-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path none = dir / "none.conf";
  const fs::path missing = dir / "missing.conf";
  std::ofstream(none) << "# no default control at all\n";
  std::ofstream(missing) << "ctl.default { type hw card 97 }\n";
  for (const fs::path& config : {none, missing}) {
    ASSERT_EQ(setenv("ALSA_CONFIG_PATH", config.c_str(), 1), 0);
    testing::internal::CaptureStderr();
    uint32_t read = 77;
    const bool set = SetMasterVolume(51199);
    const bool got = GetMasterVolume(read);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(set) << config;
    EXPECT_FALSE(got) << config;
    EXPECT_EQ(read, 77u);
    EXPECT_EQ(said, "") << config;
  }
  unsetenv("ALSA_CONFIG_PATH");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace lunvale::platform
