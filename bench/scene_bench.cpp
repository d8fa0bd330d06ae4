// SPDX-License-Identifier: MIT
// One frame of the scene's drawing load through the real display: restore check, clear, the
// background, two water frames, three keyed gulls, the keyed foreground and the keyed panel, flip.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/display_engine.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/media/multimedia_timer.h"
#include "scene/scene_layout.h"
#include "scene/scene_setup.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

using namespace lunvale;

// The engine open on the real display with the scene's pictures on it, and a frame handler that
// draws them as the scene does.
class SceneRig {
 public:
  // Empty `error` when the display opened. `layout`: the canvas the scene composes on, 4:3 by default.
  explicit SceneRig(std::string& error, const scene::SceneLayout& layout = {}) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
      error = "needs an X display (the real display shows its frames in a window)";
      return;
    }
    platform::Application::Instance().Initialize();
    qss_ = new engine::TQss(&form_);
    qss_->SetBrandName("Miravel Software");
    qss_->SetSSName("Lunvale Screensaver");
    qss_->SetUseIdle(false);
    qss_->SetWidthScreen(layout.width);
    qss_->SetDesignWidth(layout.width);
    qss_->SetHeightScreen(scene::kCanvasHeight);
    qss_->SetColorDepth(32);
    qss_->SetInterval(45);
    qss_->SetEnabled(true);
    if (!qss_->FDDBACK()) {
      error = qss_->GetErrorResult();
      return;
    }
    const int cx = layout.centre_shift;
    const std::string wide = layout.panorama ? "wide" : "";
    background_ = scene::PlaceStill(&form_, qss_, "QIM1" + wide,
                                    layout.panorama ? cx - scene::kPanoramaPictureLeft : cx, 0, false);
    near_water_ = scene::PlaceStrip(&form_, qss_, "QMV1" + wide, cx + 375, 500, 268, false);
    far_water_ = scene::PlaceStrip(&form_, qss_, "QMV2" + wide, cx + 285, 413, 87, false);
    for (int i = 0; i < 3; ++i)
      gulls_[i] = scene::PlaceStrip(&form_, qss_, "QMV3SG", cx + 300 + 200 * i, 150 + 50 * i, 43, true);
    trees_ = scene::PlaceStill(&form_, qss_, "QIM2masktree", cx + 90, 181, true);
    panel_ = scene::NewImage(&form_, qss_, "QIM2GadgetPanel");
    scene::SetupImage(panel_, true, true, 70, layout.width, 698, 0);
    qss_->OnTimer = [this](platform::TComponent*) { Draw(); };
    // The benchmarks drive the frames themselves: the window gaining focus must not start the
    // engine's own timer beside them.
    platform::Application::Instance().SetOnActivate(nullptr);
    platform::Application::Instance().SetOnDeactivate(nullptr);
  }
  ~SceneRig() {
    if (qss_ != nullptr) qss_->SetEnabled(false);
  }

  engine::TQss* Engine() const { return qss_; }

 private:
  void Draw() {
    frame_ = (frame_ + 1) % 32;
    background_->DrawImage();
    near_water_->SetNumberFrame(frame_);
    near_water_->DrawMovie();
    far_water_->SetNumberFrame(frame_);
    far_water_->DrawMovie();
    for (int i = 0; i < 3; ++i) {
      gulls_[i]->SetNumberFrame((frame_ * 3 + i * 40) % 120);
      gulls_[i]->DrawMovie();
    }
    trees_->DrawImage();
    panel_->DrawImage();
  }

  platform::TForm form_{nullptr};
  engine::TQss* qss_ = nullptr;
  sprites::TQIM* background_ = nullptr;
  sprites::TQMV* near_water_ = nullptr;
  sprites::TQMV* far_water_ = nullptr;
  sprites::TQMV* gulls_[3] = {};
  sprites::TQIM* trees_ = nullptr;
  sprites::TQIM* panel_ = nullptr;
  int frame_ = 0;
};

// A frame as the engine's timer runs it (restore check, clear, the scene, flip), here on the
// benchmark's thread.
// The argument is the canvas's width: 1024 (4:3), 1365 (16:9, a 1920 x 1080 monitor), 1820 (64:27); run it
// on an X server of that shape for the presentation to be the monitor's.
static void BM_SceneFrame(benchmark::State& state) {
  std::string error;
  SceneRig rig(error, scene::LayoutFor(std::pair{static_cast<int>(state.range(0)), 768}));
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  platform::Application& app = platform::Application::Instance();
  for (auto _ : state) {
    rig.Engine()->TimerCallback();
    // Sending to the X window is part of the frame; the main thread's queue is served between frames,
    // as in the running saver, and is not the frame's cost.
    state.PauseTiming();
    app.ProcessMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SceneFrame)->ArgName("width")->Arg(1024)->Arg(1365)->Arg(1820)->Unit(benchmark::kMicrosecond);

// The same frames on a 45 ms multimedia timer's own thread for four seconds, each sent to the window by
// that thread, while the main thread serves its queue: the mean and the longest frame, and the mean period.
static void BM_SceneFrameOnTimerThread(benchmark::State& state) {
  std::string error;
  SceneRig rig(error);
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  platform::Application& app = platform::Application::Instance();
  using Clock = std::chrono::steady_clock;
  std::mutex mutex;
  std::vector<double> costs_us;
  std::vector<Clock::time_point> starts;
  costs_us.reserve(200);
  starts.reserve(200);
  for (auto _ : state) {
    platform::MultimediaTimer timer;
    timer.Start(45, [&] {
      const auto begin = Clock::now();
      rig.Engine()->TimerCallback();
      const auto end = Clock::now();
      std::lock_guard lock(mutex);
      starts.push_back(begin);
      costs_us.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
    });
    const auto until = Clock::now() + std::chrono::seconds(4);
    while (Clock::now() < until) {
      app.ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    timer.Stop();
  }
  std::lock_guard lock(mutex);
  if (costs_us.size() < 2) return;
  double sum = 0, longest = 0;
  for (double c : costs_us) {
    sum += c;
    longest = std::max(longest, c);
  }
  state.counters["frames"] = static_cast<double>(costs_us.size());
  state.counters["mean_frame_us"] = sum / static_cast<double>(costs_us.size());
  state.counters["max_frame_us"] = longest;
  state.counters["mean_period_ms"] =
      std::chrono::duration<double, std::milli>(starts.back() - starts.front()).count() /
      static_cast<double>(starts.size() - 1);
}
BENCHMARK(BM_SceneFrameOnTimerThread)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
