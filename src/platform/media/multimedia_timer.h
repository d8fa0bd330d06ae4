// SPDX-License-Identifier: MIT
#pragma once

// platform/media: time and sound: the periodic timer and millisecond clock, the looping sound and
// the master volume.

#include <atomic>
#include <cstdint>
#include <functional>

namespace lunvale::platform {

// The multimedia timer: every timer runs on a thread of its own and ticks at absolute deadlines
// start + k x delay, so the period does not drift. A tick that overruns its period makes the
// timer skip the deadlines it missed and go on with the next one still ahead: a late frame is not
// followed by a burst of catch-up frames.

constexpr uint32_t TIME_ONESHOT = 0x0000;
constexpr uint32_t TIME_PERIODIC = 0x0001;

constexpr uint32_t TIMERR_NOERROR = 0;
constexpr uint32_t MMSYSERR_INVALPARAM = 11;

// Longest delay accepted, as on the original (about 16 minutes).
constexpr uint32_t kMaxTimerDelay = 1000000;

using TimerCallback = void (*)(uint32_t id, uintptr_t user);

// Starts a timer; the callback runs on the timer's thread with the timer's id and `user`. The
// first tick comes `delay` ms after the call. `resolution` is accepted and ignored: deadlines are
// kept as closely as the system's clock allows. Returns 0 when the delay is 0 or above
// kMaxTimerDelay, the callback is null, the event type is unknown or no thread can be started.
uint32_t timeSetEvent(uint32_t delay, uint32_t resolution, TimerCallback callback, uintptr_t user,
                      uint32_t event);

// Stops a timer. When it returns, the timer's callback is not running and will not run again, so
// whatever the callback draws into may be released. Called from inside that same timer's callback
// it cannot wait for itself: it stops the later ticks and returns at once. MMSYSERR_INVALPARAM for
// an unknown (or already killed) id.
uint32_t timeKillEvent(uint32_t id);

// Milliseconds of a monotonic clock, wrapping at 2^32.
uint32_t timeGetTime();

// A periodic timer owned by an object: stopped (and waited for) when the object goes. The tick may
// call Stop; it must not Start it again nor destroy the object.
class MultimediaTimer {
 public:
  MultimediaTimer() = default;
  ~MultimediaTimer() { Stop(); }
  MultimediaTimer(const MultimediaTimer&) = delete;
  MultimediaTimer& operator=(const MultimediaTimer&) = delete;

  // Stops a running timer first. False if the timer could not be started.
  bool Start(uint32_t delay_ms, std::function<void()> tick);
  void Stop();
  bool Running() const { return id_ != 0; }
  uint32_t Id() const { return id_; }

 private:
  static void Tick(uint32_t id, uintptr_t user);

  std::atomic<uint32_t> id_{0};  // Stop may come from the tick's thread
  std::function<void()> tick_;
};

}  // namespace lunvale::platform
