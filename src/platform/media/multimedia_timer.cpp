// SPDX-License-Identifier: MIT
#include "platform/media/multimedia_timer.h"

#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/media/timer_wait.h"

namespace lunvale::platform {

namespace {

using Clock = std::chrono::steady_clock;

struct Timer {
  uint32_t id = 0;
  Clock::duration period{};
  bool periodic = true;
  TimerCallback callback = nullptr;
  uintptr_t user = 0;

  std::mutex mutex;
  std::condition_variable wake;
  bool stop = false;  // guarded by mutex
  std::thread thread;
};

// Ticks until stopped. Deadlines are start + k x period; deadlines already past when a tick ends
// are skipped, so an overrun costs frames but never bunches them.
void Run(std::shared_ptr<Timer> timer, Clock::time_point start) {
  pthread_setname_np(pthread_self(), "lunvale-timer");  // as `top -H` and debuggers show it
  const FineTimerResolution fine;
  Clock::time_point deadline = start + timer->period;
  for (;;) {
    {
      std::unique_lock lock(timer->mutex);
      if (WaitForDeadline(timer->wake, lock, deadline, timer->stop)) return;
    }
    timer->callback(timer->id, timer->user);
    if (!timer->periodic) return;
    deadline += timer->period;
    const Clock::time_point now = Clock::now();
    if (deadline <= now) deadline += ((now - deadline) / timer->period + 1) * timer->period;
  }
}

struct Registry {
  std::mutex mutex;
  std::map<uint32_t, std::shared_ptr<Timer>> timers;
  uint32_t last_id = 0;
};

// Never destroyed: a timer still running at exit must not meet a destroyed registry.
Registry& Timers() {
  static Registry* registry = new Registry();
  return *registry;
}

}  // namespace

uint32_t timeSetEvent(uint32_t delay, uint32_t /*resolution*/, TimerCallback callback, uintptr_t user,
                      uint32_t event) {
  if (delay == 0 || delay > kMaxTimerDelay || callback == nullptr ||
      (event != TIME_ONESHOT && event != TIME_PERIODIC))
    return 0;
  auto timer = std::make_shared<Timer>();
  timer->period = std::chrono::milliseconds(delay);
  timer->periodic = event == TIME_PERIODIC;
  timer->callback = callback;
  timer->user = user;

  Registry& registry = Timers();
  std::lock_guard lock(registry.mutex);
  do {
    timer->id = ++registry.last_id;
  } while (timer->id == 0 || registry.timers.contains(timer->id));
  // The thread is started under the registry lock, so a kill of this id cannot come before
  // `thread` is set.
  try {
    timer->thread = std::thread(Run, timer, Clock::now());
  } catch (const std::system_error&) {
    return 0;
  }
  registry.timers.emplace(timer->id, timer);
  return timer->id;
}

uint32_t timeKillEvent(uint32_t id) {
  std::shared_ptr<Timer> timer;
  {
    Registry& registry = Timers();
    std::lock_guard lock(registry.mutex);
    auto it = registry.timers.find(id);
    if (it == registry.timers.end()) return MMSYSERR_INVALPARAM;
    timer = std::move(it->second);
    registry.timers.erase(it);
  }
  {
    std::lock_guard lock(timer->mutex);
    timer->stop = true;
  }
  timer->wake.notify_all();
  if (timer->thread.get_id() == std::this_thread::get_id()) {
    // Inside our own callback: the loop ends when it returns; the thread owns its state.
    timer->thread.detach();
  } else {
    timer->thread.join();
  }
  return TIMERR_NOERROR;
}

uint32_t timeGetTime() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
  return static_cast<uint32_t>(ms.count());
}

bool MultimediaTimer::Start(uint32_t delay_ms, std::function<void()> tick) {
  Stop();
  if (!tick) return false;
  tick_ = std::move(tick);
  id_ = timeSetEvent(delay_ms, 0, &MultimediaTimer::Tick, reinterpret_cast<uintptr_t>(this), TIME_PERIODIC);
  return id_ != 0;
}

void MultimediaTimer::Stop() {
  // The tick function is kept: Stop may be called from inside it.
  if (const uint32_t id = id_.exchange(0); id != 0) timeKillEvent(id);
}

void MultimediaTimer::Tick(uint32_t /*id*/, uintptr_t user) {
  reinterpret_cast<MultimediaTimer*>(user)->tick_();
}

}  // namespace lunvale::platform
