// SPDX-License-Identifier: MIT
#pragma once

// The display object both platforms share: the offered modes, the primary surface with its back buffer
// (a TrackedSurface whose changes each Flip hands to the presenter) and the software gamma ramp. What
// differs is only how the output for the form's window is opened (SetCooperativeLevel), which each
// platform's display does before handing the output over with Present.
//
// Threads: made, given its output, asked for surfaces and released on the main thread; the surfaces'
// drawing and Flip may run on the frame thread (see presenter.h).

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/display/direct_draw.h"
#include "platform/display/frame_output.h"
#include "platform/display/presenter.h"

namespace lunvale::platform {

class PrimarySurface;

class PresentedDirectDraw : public IDirectDraw {
 public:
  explicit PresentedDirectDraw(MainThreadCalls calls) : calls_(std::move(calls)) {}
  // Releasing the display closes its output and drops the gamma ramp.
  ~PresentedDirectDraw() override;
  PresentedDirectDraw(const PresentedDirectDraw&) = delete;
  PresentedDirectDraw& operator=(const PresentedDirectDraw&) = delete;

  HRESULT SetDisplayMode(int width, int height, int bits_per_pixel) override;
  HRESULT CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<IDirectDrawSurface>& out) override;
  HRESULT GetCaps(DDCAPS* driver, DDCAPS* emulation) override;

 protected:
  const MainThreadCalls& Calls() const { return calls_; }
  // For a host's window: hands each new size the output hears of (on whichever thread it draws or sends
  // the frames) to the main thread's `resized`; empty when the display has none.
  std::function<void(int, int)> ResizedOnMainThread() const {
    if (!calls_.resized) return {};
    return [post = calls_.post, act = calls_.resized](int width, int height) {
      post([act, width, height] { act(width, height); });
    };
  }
  // Whether an output was opened, and for which window: a second SetCooperativeLevel succeeds only for
  // the same one.
  bool Presenting() const { return presenter_ != nullptr; }
  NativeWindow* PresentedWindow() const { return presenter_window_; }
  // Shows the display through `output` from now on; DDERR_GENERIC without one.
  HRESULT Present(std::unique_ptr<FrameOutput> output, NativeWindow* window);

 private:
  MainThreadCalls calls_;
  std::shared_ptr<Presenter> presenter_;
  NativeWindow* presenter_window_ = nullptr;
  std::weak_ptr<PrimarySurface> primary_;
  int width_ = 1024;
  int height_ = 768;
};

}  // namespace lunvale::platform
