// SPDX-License-Identifier: MIT
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/media/sound.h"
#include "platform/system/resources.h"
#include "support/process.h"

namespace lunvale::platform {
namespace {

using lunvale::testing::ReadFile;
using lunvale::testing::ScopedEnv;
using lunvale::testing::TempDir;

constexpr uint32_t kLooped = SND_RESOURCE | SND_ASYNC | SND_LOOP;

// The sound as SDL decodes it from the embedded file.
struct Decoded {
  SDL_AudioSpec wav{};
  std::vector<unsigned char> pcm;
};

Decoded DecodeResource(const char* name) {
  Decoded out;
  auto res = FindResource(name);
  if (!res) return out;
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(res->data(), static_cast<int>(res->size())), 1, &out.wav, &buf,
                     &len) == nullptr)
    return out;
  out.pcm.assign(buf, buf + len);
  SDL_FreeWAV(buf);
  return out;
}

uintmax_t SizeOf(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

// Waits until the file the disk audio driver writes holds at least `bytes`.
bool WaitForSize(const std::string& path, uintmax_t bytes) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (SizeOf(path) < bytes) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Where the sound starts in the device's output: the device may have put out silence before the
// first buffer of sound. Found by the first stretch of the sound that is not silent.
std::optional<size_t> SoundStart(const std::vector<unsigned char>& out,
                                 const std::vector<unsigned char>& pcm) {
  constexpr size_t kProbe = 4096;
  size_t first = 0;
  while (first + kProbe <= pcm.size() && std::all_of(pcm.begin() + first, pcm.begin() + first + kProbe,
                                                     [](unsigned char b) { return b == 0; }))
    first += kProbe;
  if (first + kProbe > pcm.size()) return std::nullopt;
  auto hit = std::search(out.begin(), out.end(), pcm.begin() + first, pcm.begin() + first + kProbe);
  if (hit == out.end() || static_cast<size_t>(hit - out.begin()) < first) return std::nullopt;
  return static_cast<size_t>(hit - out.begin()) - first;
}

// The first byte from `start` on that is not the sound repeated from its beginning, or nothing.
std::optional<size_t> FirstDifferenceFromLoop(const std::vector<unsigned char>& out, size_t start,
                                              const std::vector<unsigned char>& pcm) {
  for (size_t i = start; i < out.size(); ++i)
    if (out[i] != pcm[(i - start) % pcm.size()]) return i;
  return std::nullopt;
}

bool AllSilent(const std::vector<unsigned char>& out, size_t from, size_t to) {
  return std::all_of(out.begin() + from, out.begin() + to, [](unsigned char b) { return b == 0; });
}

// Sound goes through SDL's disk audio driver into a file, as fast as the driver writes it.
class SoundOnDisk : public ::testing::Test {
 protected:
  std::string File(const char* name) const { return dir_.Path() + "/" + name; }

  TempDir dir_;
  ScopedEnv driver_{"SDL_AUDIODRIVER", "disk"};
  ScopedEnv file_{"SDL_DISKAUDIOFILE", File("out.raw")};
  ScopedEnv delay_{"SDL_DISKAUDIODELAY", "1"};
};

TEST_F(SoundOnDisk, LoopedSoundRepeatsWithoutAGapUntilPurged) {
  const Decoded sound = DecodeResource("SoundName");
  // The saver's own sound: 2 channels at 11025 Hz, 640 blocks of 500 frames.
  ASSERT_EQ(sound.wav.channels, 2);
  ASSERT_EQ(sound.wav.freq, 11025);
  ASSERT_EQ(sound.wav.format, AUDIO_S16SYS);
  ASSERT_EQ(sound.pcm.size(), 640u * 500 * 4);

  ASSERT_TRUE(PlaySoundA("SoundName", nullptr, kLooped));
  ASSERT_TRUE(WaitForSize(File("out.raw"), sound.pcm.size() * 5 / 2 + 65536));
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);  // the purge let go of the audio subsystem

  const auto size = SizeOf(File("out.raw"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(SizeOf(File("out.raw")), size) << "still playing after the purge";

  const std::string raw = ReadFile(File("out.raw"));
  const std::vector<unsigned char> out(raw.begin(), raw.end());
  const auto start = SoundStart(out, sound.pcm);
  ASSERT_TRUE(start.has_value());
  EXPECT_TRUE(AllSilent(out, 0, *start));
  // At least two wraps, each straight on into the start of the sound.
  ASSERT_GT(out.size() - *start, 2 * sound.pcm.size());
  const auto diff = FirstDifferenceFromLoop(out, *start, sound.pcm);
  EXPECT_FALSE(diff.has_value()) << "output leaves the loop at byte " << *diff << " of " << out.size()
                                 << ", pass " << (*diff - *start) / sound.pcm.size();
}

TEST_F(SoundOnDisk, WithoutLoopTheSoundPlaysOnceThenSilence) {
  const Decoded sound = DecodeResource("SoundName");
  ASSERT_FALSE(sound.pcm.empty());
  auto check_once = [&](const std::string& path) {
    const std::string raw = ReadFile(path);
    const std::vector<unsigned char> out(raw.begin(), raw.end());
    const auto start = SoundStart(out, sound.pcm);
    ASSERT_TRUE(start.has_value());
    ASSERT_GE(out.size(), *start + sound.pcm.size());
    EXPECT_TRUE(std::equal(sound.pcm.begin(), sound.pcm.end(), out.begin() + *start));
    EXPECT_TRUE(AllSilent(out, *start + sound.pcm.size(), out.size()));
  };

  // Asynchronous: returns at once, the device goes on with silence after the end.
  ASSERT_TRUE(PlaySoundA("SoundName", nullptr, SND_RESOURCE | SND_ASYNC));
  ASSERT_TRUE(WaitForSize(File("out.raw"), sound.pcm.size() * 3 / 2));
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
  check_once(File("out.raw"));

  // Synchronous: returns when the whole sound has reached the device, which is then closed.
  ScopedEnv second("SDL_DISKAUDIOFILE", File("sync.raw"));
  ASSERT_TRUE(PlaySoundA("SoundName", nullptr, SND_RESOURCE));
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  check_once(File("sync.raw"));
  // A looped sound that the caller would wait for forever is refused.
  EXPECT_FALSE(PlaySoundA("SoundName", nullptr, SND_RESOURCE | SND_LOOP));
}

TEST_F(SoundOnDisk, ANewRequestStopsTheSoundPlaying) {
  const Decoded sound = DecodeResource("SoundName");
  ASSERT_FALSE(sound.pcm.empty());

  ASSERT_TRUE(PlaySoundA("SoundName", nullptr, kLooped));
  ASSERT_TRUE(WaitForSize(File("out.raw"), 65536));
  {
    ScopedEnv second("SDL_DISKAUDIOFILE", File("second.raw"));
    ASSERT_TRUE(PlaySoundA("SoundName", nullptr, kLooped));
    const auto first_size = SizeOf(File("out.raw"));
    ASSERT_TRUE(WaitForSize(File("second.raw"), sound.pcm.size() / 2));
    EXPECT_EQ(SizeOf(File("out.raw")), first_size) << "the first sound plays on";

    // A request that cannot be played still ends the sound before it.
    EXPECT_FALSE(PlaySoundA("NoSuchSound", nullptr, kLooped));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    const auto second_size = SizeOf(File("second.raw"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(SizeOf(File("second.raw")), second_size) << "the second sound plays on";
  }

  // The replacement started from the beginning of the sound.
  const std::string raw = ReadFile(File("second.raw"));
  const std::vector<unsigned char> out(raw.begin(), raw.end());
  const auto start = SoundStart(out, sound.pcm);
  ASSERT_TRUE(start.has_value());
  EXPECT_FALSE(FirstDifferenceFromLoop(out, *start, sound.pcm).has_value());
}

TEST_F(SoundOnDisk, UnplayableRequestsFailWithoutOpeningTheDevice) {
  EXPECT_FALSE(PlaySoundA("NoSuchSound", nullptr, kLooped));
  EXPECT_FALSE(PlaySoundA("PREVIEWBMP", nullptr, kLooped));              // a resource, but no sound
  EXPECT_FALSE(PlaySoundA("SoundName", nullptr, SND_ASYNC | SND_LOOP));  // a file name, not a resource
  EXPECT_FALSE(std::filesystem::exists(File("out.raw")));
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

  // Stopping when nothing plays is harmless, also twice.
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
  EXPECT_FALSE(std::filesystem::exists(File("out.raw")));
}

TEST(Sound, WithoutAnAudioDeviceTheSaverGoesOnSilently) {
  {
    ScopedEnv driver("SDL_AUDIODRIVER", "nosuchdriver");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(PlaySoundA("SoundName", nullptr, kLooped));
    EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  }
  {
    // A device that takes the sound and plays it nowhere.
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    EXPECT_TRUE(PlaySoundA("SoundName", nullptr, kLooped));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  }
}

}  // namespace
}  // namespace lunvale::platform
