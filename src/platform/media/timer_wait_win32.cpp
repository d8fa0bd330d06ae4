// SPDX-License-Identifier: MIT
// The Windows twin of timer_wait.cpp. Waits are rounded up to the system's tick (15.6 ms) unless the
// multimedia timer's period is set to a millisecond, which is counted, so several holders and other
// programs do not disturb each other. A condition variable's timed wait works out its timeout from the
// wall clock, which moves in ticks: its wake-ups come up to a tick late. So the condition is waited on
// until a little before the deadline, and the rest is slept, which keeps to the millisecond.
#include "platform/media/timer_wait.h"

#include <thread>

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

// More than a tick of the wall clock, so the condition's wait ends before the deadline.
constexpr std::chrono::milliseconds kSlept{20};

}  // namespace

FineTimerResolution::FineTimerResolution() : held_(::timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerResolution::~FineTimerResolution() {
  if (held_) ::timeEndPeriod(1);
}

bool WaitForDeadline(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                     std::chrono::steady_clock::time_point deadline, const bool& stop) {
  if (wake.wait_until(lock, deadline - kSlept, [&] { return stop; })) return true;
  lock.unlock();
  std::this_thread::sleep_until(deadline);
  lock.lock();
  return stop;
}

}  // namespace lunvale::platform
