// SPDX-License-Identifier: MIT
#pragma once

// platform/media: how a timer's thread waits for its next deadline. Linux's waits keep to the
// microsecond. Windows rounds waits up to its 15.6 ms tick unless a finer one is asked for, and there a
// condition variable's timed wait goes by the coarse wall clock, so timer_wait_win32.cpp sleeps the
// last stretch instead.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace lunvale::platform {

// While an object lives, waits in the process keep to a millisecond.
class FineTimerResolution {
 public:
  FineTimerResolution();
  ~FineTimerResolution();
  FineTimerResolution(const FineTimerResolution&) = delete;
  FineTimerResolution& operator=(const FineTimerResolution&) = delete;

 private:
  bool held_ = false;
};

// Waits on `wake`, with `lock` held on its mutex, until `deadline` or until `stop` (guarded by that
// mutex) is true, and returns `stop`. On Windows a stop in the last 20 ms is seen at the deadline.
bool WaitForDeadline(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                     std::chrono::steady_clock::time_point deadline, const bool& stop);

}  // namespace lunvale::platform
