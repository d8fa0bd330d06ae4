// SPDX-License-Identifier: MIT
// Sound, volume, the sound's claim and the frame timer on Windows. Machines without a sound card (Wine
// on a build server) must give false at once and never hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "platform/media/display_sound.h"
#include "platform/media/mixer.h"
#include "platform/media/multimedia_timer.h"
#include "platform/media/sound.h"

namespace lunvale::platform {
namespace {

using Clock = std::chrono::steady_clock;

TEST(SoundWin32, RequestsThatCannotPlayAreRefusedAndStopsAlwaysSucceed) {
  const struct {
    const char* sound;
    uint32_t flags;
    bool ok;
  } cases[] = {
      {nullptr, 0, true},
      {"SoundName", SND_PURGE, true},
      {"NOSUCHSOUND", SND_RESOURCE | SND_ASYNC, false},
      {"QIM1", SND_RESOURCE | SND_ASYNC, false},  // a picture, not a sound
      {"SoundName", SND_RESOURCE | SND_LOOP, false},
      {"SoundName", SND_ASYNC | SND_LOOP, false},  // only resources are played
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sound != nullptr ? c.sound : "null");
    EXPECT_EQ(PlaySoundA(c.sound, nullptr, c.flags), c.ok);
  }
  // The loop starts, or fails at once where there is no sound card; another thread stops it.
  const auto start = Clock::now();
  PlaySoundA("SoundName", nullptr, SND_RESOURCE | SND_ASYNC | SND_LOOP);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  std::thread([] { EXPECT_TRUE(PlaySoundA(nullptr, nullptr, SND_PURGE)); }).join();
}

TEST(MixerWin32, TheVolumeReadsBackAsSetOrEveryCallFails) {
  uint32_t before = 0;
  if (!GetMasterVolume(before)) {
    EXPECT_FALSE(SetMasterVolume(51199));
    return;
  }
  for (const uint32_t value : {0u, 51199u, 65535u}) {
    uint32_t read = 0;
    ASSERT_TRUE(SetMasterVolume(value));
    ASSERT_TRUE(GetMasterVolume(read));
    EXPECT_NEAR(static_cast<double>(read), value, 65535.0 / 100);
  }
  SetMasterVolume(before);
}

TEST(DisplaySoundWin32, OnlyTheFirstClaimHoldsUntilItIsReleased) {
  DisplaySoundClaim first, second;
  ASSERT_TRUE(first.Claim());
  EXPECT_TRUE(first.Claim());
  EXPECT_FALSE(second.Claim());
  first.Release();
  EXPECT_TRUE(second.Claim());
}

// Each frame comes at its deadline start + k x 45 ms (a wait by the wall clock is 15-30 ms late under
// Wine). Load makes any wait late and may skip deadlines: the typical lateness counts, with room.
TEST(TimerWin32, FramesComeAtTheirDeadlines) {
  constexpr int kFrames = 31;
  std::atomic<int> ticks{0};
  std::vector<double> late(kFrames);  // each written by the timer's thread before the count says so
  MultimediaTimer timer;
  const auto start = Clock::now();
  ASSERT_TRUE(timer.Start(45, [&] {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (ticks < kFrames) late[ticks] = std::fmod(ms, 45.0);
    ++ticks;
  }));
  while (ticks < kFrames) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  timer.Stop();
  std::nth_element(late.begin(), late.begin() + kFrames / 2, late.end());
  EXPECT_LT(late[kFrames / 2], 10.0);
}

}  // namespace
}  // namespace lunvale::platform
