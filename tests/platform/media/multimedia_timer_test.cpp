// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/media/multimedia_timer.h"

namespace lunvale::platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Waits for a condition with a deadline generous enough for a loaded machine.
template <typename Pred>
bool WaitFor(Pred pred, std::chrono::milliseconds limit = 10s) {
  const auto end = Clock::now() + limit;
  while (!pred()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

struct Counter {
  std::atomic<int> ticks{0};
  std::atomic<uint32_t> last_id{0};
  static void Tick(uint32_t id, uintptr_t user) {
    auto* self = reinterpret_cast<Counter*>(user);
    self->last_id = id;
    ++self->ticks;
  }
};

TEST(MmTimer, PeriodicTicksCarryIdAndUserValue) {
  Counter counter;
  const uint32_t id =
      timeSetEvent(10, 0, &Counter::Tick, reinterpret_cast<uintptr_t>(&counter), TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  EXPECT_TRUE(WaitFor([&] { return counter.ticks >= 5; }));
  EXPECT_EQ(timeKillEvent(id), TIMERR_NOERROR);
  EXPECT_EQ(counter.last_id, id);
  EXPECT_EQ(timeKillEvent(id), MMSYSERR_INVALPARAM);  // already gone
}

TEST(MmTimer, RefusesWhatCannotRun) {
  Counter counter;
  const auto user = reinterpret_cast<uintptr_t>(&counter);
  EXPECT_EQ(timeSetEvent(0, 0, &Counter::Tick, user, TIME_PERIODIC), 0u);
  EXPECT_EQ(timeSetEvent(10, 0, nullptr, user, TIME_PERIODIC), 0u);
  EXPECT_EQ(timeSetEvent(10, 0, &Counter::Tick, user, 0x80), 0u);
  EXPECT_EQ(timeKillEvent(0), MMSYSERR_INVALPARAM);
}

// The engine kills the timer and then closes the display: no tick may be inside a frame then.
TEST(MmTimer, KillWaitsForTheRunningTickAndNoneFollows) {
  struct Slow {
    std::atomic<bool> inside{false};
    std::atomic<int> entered{0};
    static void Tick(uint32_t, uintptr_t user) {
      auto* self = reinterpret_cast<Slow*>(user);
      self->inside = true;
      ++self->entered;
      std::this_thread::sleep_for(150ms);
      self->inside = false;
    }
  } slow;
  const uint32_t id = timeSetEvent(5, 0, &Slow::Tick, reinterpret_cast<uintptr_t>(&slow), TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  ASSERT_TRUE(WaitFor([&] { return slow.inside.load(); }));
  std::thread killer([&] { EXPECT_EQ(timeKillEvent(id), TIMERR_NOERROR); });
  killer.join();
  EXPECT_FALSE(slow.inside);
  const int entered = slow.entered;
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(slow.entered, entered);
}

TEST(MmTimer, KillFromInsideItsOwnTickStopsWithoutDeadlock) {
  struct SelfKill {
    std::atomic<uint32_t> id{0};
    std::atomic<int> ticks{0};
    std::atomic<uint32_t> result{99};
    static void Tick(uint32_t id, uintptr_t user) {
      auto* self = reinterpret_cast<SelfKill*>(user);
      if (++self->ticks == 3) self->result = timeKillEvent(id);
    }
  } s;
  s.id = timeSetEvent(5, 0, &SelfKill::Tick, reinterpret_cast<uintptr_t>(&s), TIME_PERIODIC);
  ASSERT_NE(s.id, 0u);
  ASSERT_TRUE(WaitFor([&] { return s.result != 99u; }));
  EXPECT_EQ(s.result, TIMERR_NOERROR);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(s.ticks, 3);
  EXPECT_EQ(timeKillEvent(s.id), MMSYSERR_INVALPARAM);

  // The same through the owning object.
  std::atomic<int> ticks{0};
  MultimediaTimer timer;
  ASSERT_TRUE(timer.Start(5, [&] {
    if (++ticks == 2) timer.Stop();
  }));
  ASSERT_TRUE(WaitFor([&] { return ticks >= 2; }));
  std::this_thread::sleep_for(60ms);
  EXPECT_EQ(ticks, 2);
}

TEST(MmTimer, SeveralTimersTickIndependently) {
  Counter counters[4];
  uint32_t ids[4];
  const uint32_t delays[4] = {3, 7, 11, 45};
  for (int i = 0; i < 4; ++i) {
    ids[i] =
        timeSetEvent(delays[i], 0, &Counter::Tick, reinterpret_cast<uintptr_t>(&counters[i]), TIME_PERIODIC);
    ASSERT_NE(ids[i], 0u);
    for (int j = 0; j < i; ++j) EXPECT_NE(ids[i], ids[j]);
  }
  EXPECT_TRUE(WaitFor([&] { return counters[3].ticks >= 3; }));
  // Kill out of order, from several threads at once.
  std::vector<std::thread> killers;
  for (int i : {2, 0, 3, 1})
    killers.emplace_back([&, i] { EXPECT_EQ(timeKillEvent(ids[i]), TIMERR_NOERROR); });
  for (auto& t : killers) t.join();
  for (int i = 0; i < 4; ++i) {
    EXPECT_GE(counters[i].ticks, 3) << delays[i];
    EXPECT_EQ(counters[i].last_id, ids[i]);
  }
  // Faster timers ticked more often than the slowest.
  EXPECT_GT(counters[0].ticks, counters[3].ticks);
}

// An overrun skips the deadlines it missed instead of firing them back to back.
TEST(MmTimer, OverrunSkipsMissedTicksInsteadOfBursting) {
  struct Overrun {
    std::mutex mutex;
    std::vector<Clock::time_point> starts;
    Clock::time_point long_end;
    static void Tick(uint32_t, uintptr_t user) {
      auto* self = reinterpret_cast<Overrun*>(user);
      const auto now = Clock::now();
      std::lock_guard lock(self->mutex);
      self->starts.push_back(now);
      if (self->starts.size() == 2) {
        std::this_thread::sleep_for(200ms);  // ten periods
        self->long_end = Clock::now();
      }
    }
  } o;
  const uint32_t id = timeSetEvent(20, 0, &Overrun::Tick, reinterpret_cast<uintptr_t>(&o), TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  ASSERT_TRUE(WaitFor([&] {
    std::lock_guard lock(o.mutex);
    return o.starts.size() >= 6;
  }));
  timeKillEvent(id);
  int soon_after = 0;
  for (size_t i = 2; i < o.starts.size(); ++i) soon_after += o.starts[i] - o.long_end < 30ms;
  EXPECT_LE(soon_after, 3);  // catching up would fire ten at once
}

TEST(MmTimer, OwningObjectStopsAndWaitsWhenItGoes) {
  std::atomic<int> ticks{0};
  std::atomic<bool> inside{false};
  {
    MultimediaTimer timer;
    EXPECT_FALSE(timer.Start(0, [] {}));
    EXPECT_FALSE(timer.Running());
    ASSERT_TRUE(timer.Start(5, [&] {
      inside = true;
      ++ticks;
      std::this_thread::sleep_for(20ms);
      inside = false;
    }));
    EXPECT_TRUE(timer.Running());
    ASSERT_TRUE(WaitFor([&] { return ticks >= 2; }));
  }
  EXPECT_FALSE(inside);
  const int seen = ticks;
  std::this_thread::sleep_for(60ms);
  EXPECT_EQ(ticks, seen);
}

TEST(MmTimer, MillisecondClockAdvances) {
  const uint32_t t0 = timeGetTime();
  std::this_thread::sleep_for(50ms);
  const uint32_t elapsed = timeGetTime() - t0;  // unsigned: right across a wrap too
  EXPECT_GE(elapsed, 49u);
  EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace lunvale::platform
