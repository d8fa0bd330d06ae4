// SPDX-License-Identifier: MIT
// Linux's timers already keep to the microsecond: nothing to ask for, and the condition's own timed
// wait keeps the deadline.
#include "platform/media/timer_wait.h"

namespace lunvale::platform {

FineTimerResolution::FineTimerResolution() = default;
FineTimerResolution::~FineTimerResolution() = default;

bool WaitForDeadline(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                     std::chrono::steady_clock::time_point deadline, const bool& stop) {
  return wake.wait_until(lock, deadline, [&] { return stop; });
}

}  // namespace lunvale::platform
