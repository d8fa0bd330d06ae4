// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "platform/media/multimedia_timer.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace lunvale::platform;

constexpr uint32_t kPeriodMs = 45;  // the scene's frame period
constexpr auto kRun = std::chrono::seconds(10);

struct Probe {
  std::vector<Clock::time_point> ticks;
  std::atomic<size_t> count{0};
  std::chrono::milliseconds work{0};

  static void Tick(uint32_t, uintptr_t user) {
    auto* self = reinterpret_cast<Probe*>(user);
    const size_t i = self->count.load(std::memory_order_relaxed);
    if (i < self->ticks.size()) self->ticks[i] = Clock::now();
    self->count.store(i + 1, std::memory_order_release);
    // Stand-in for a frame's drawing: keeps the thread busy, as a frame does.
    const auto until = Clock::now() + self->work;
    while (Clock::now() < until) {
    }
  }
};

// The frame timer over ten seconds: mean period, the worst distance of a tick from its deadline
// start + k x 45 ms, and drift (lateness of the last ticks minus lateness of the first ones).
void BM_FrameTimer45ms(benchmark::State& state) {
  double mean_ms = 0, jitter_ms = 0, drift_ms = 0, ticks = 0;
  for (auto _ : state) {
    Probe probe;
    probe.work = std::chrono::milliseconds(state.range(0));
    probe.ticks.resize(kRun / std::chrono::milliseconds(kPeriodMs) + 16);
    const Clock::time_point start = Clock::now();
    const uint32_t id =
        timeSetEvent(kPeriodMs, 0, &Probe::Tick, reinterpret_cast<uintptr_t>(&probe), TIME_PERIODIC);
    if (id == 0) {
      state.SkipWithError("timeSetEvent failed");
      return;
    }
    std::this_thread::sleep_until(start + kRun + std::chrono::milliseconds(kPeriodMs / 2));
    timeKillEvent(id);
    const size_t n = std::min(probe.count.load(std::memory_order_acquire), probe.ticks.size());
    if (n < 10) {
      state.SkipWithError("too few ticks");
      return;
    }
    const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    const auto period = std::chrono::milliseconds(kPeriodMs);
    std::vector<double> late(n);
    for (size_t k = 0; k < n; ++k) late[k] = ms(probe.ticks[k] - (start + static_cast<int>(k + 1) * period));
    mean_ms = ms(probe.ticks[n - 1] - probe.ticks[0]) / static_cast<double>(n - 1);
    jitter_ms = 0;
    for (double l : late) jitter_ms = std::max(jitter_ms, std::abs(l));
    const size_t edge = std::min<size_t>(10, n / 4);
    double head = 0, tail = 0;
    for (size_t k = 0; k < edge; ++k) head += late[k], tail += late[n - 1 - k];
    drift_ms = (tail - head) / static_cast<double>(edge);
    ticks = static_cast<double>(n);
  }
  state.counters["mean_period_ms"] = mean_ms;
  state.counters["period_error_pct"] = (mean_ms - kPeriodMs) / kPeriodMs * 100.0;
  state.counters["max_jitter_ms"] = jitter_ms;
  state.counters["drift_ms"] = drift_ms;
  state.counters["ticks"] = ticks;
}
// Argument: milliseconds of work per tick (an idle tick, and a frame that takes 20 ms to draw).
BENCHMARK(BM_FrameTimer45ms)->Arg(0)->Arg(20)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
