// SPDX-License-Identifier: MIT
#pragma once

// The presenter: what the frame thread and the main thread share of the display's output. The frame
// thread hands over each finished frame; the presenter draws what changed into the output (applying the
// gamma ramp) and sends it there and then when the output can (an X window on a connection of its own),
// else asks the main thread to send it.
//
// Threads: TakeFrame and ShowCopy on whichever thread draws the frames; GetRamp and SetRamp on any
// thread; SetSize, Close and PresentPending on the main thread. Everything shared is under one mutex.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/frame_output.h"
#include "platform/display/gamma.h"

namespace lunvale::platform {

// How a display reaches its main thread: `post` runs a call there at its next turn; `quit` asks the run
// to end (the window it draws into went away, or input on another screen). Both are called from any
// thread. `resized` (may be empty), on the main thread: a host's window the display draws into took a
// new size (width, height).
struct MainThreadCalls {
  using Post = std::function<void(std::function<void()>)>;
  Post post;
  std::function<void()> quit;
  std::function<void(int, int)> resized;
};

// What the frame thread and the main thread share: the output and the gamma ramp. The frame thread draws
// what changed into the output under the lock; the main thread takes it from there and sends it.
class Presenter : public std::enable_shared_from_this<Presenter> {
 public:
  Presenter(MainThreadCalls calls, std::unique_ptr<FrameOutput> output)
      : calls_(std::move(calls)), output_(std::move(output)) {
    ramp_ = IdentityGammaRamp();
    lut_ = MakeGammaLut(ramp_);
  }

  void SetSize(int width, int height) {
    std::lock_guard lock(mutex_);
    width_ = width;
    height_ = height;
    whole_ = true;
  }

  bool Open() {
    std::lock_guard lock(mutex_);
    return open_;
  }

  // The frame thread hands over a finished frame with the parts that changed since the one before.
  bool TakeFrame(const PixelView& frame, const std::vector<RECT>& changed) {
    std::unique_lock lock(mutex_);
    if (!open_ || !output_ || frame.width != width_ || frame.height != height_) return false;
    if (output_->SendsWhereDrawn()) output_->Follow();
    const bool whole = whole_ || output_->WantsWhole();
    if (!whole && changed.empty()) return true;
    output_->Draw(frame, whole ? nullptr : &changed, lut_);
    whole_ = false;
    Send(lock);
    return true;
  }

  // A direct write to the front surface: shown as it is.
  void ShowCopy(const PixelView& front) {
    std::unique_lock lock(mutex_);
    if (!open_ || !output_ || front.width != width_ || front.height != height_) return;
    if (output_->SendsWhereDrawn()) output_->Follow();
    output_->Draw(front, nullptr, lut_);
    Send(lock);
  }

  // Whether a back buffer in shared memory would spare the output a copy of each frame.
  bool WantsSharedFrame() {
    std::lock_guard lock(mutex_);
    return open_ && output_ && output_->SendsWhereDrawn();
  }

  // The back buffer's memory (see FrameOutput::ShareFrame); an empty frame once it goes.
  void ShareFrame(const PixelView& frame, int shm_id) {
    std::lock_guard lock(mutex_);
    if (output_ && output_->SendsWhereDrawn()) output_->ShareFrame(frame, shm_id);
  }

  HRESULT GetRamp(DDGAMMARAMP* ramp) {
    std::lock_guard lock(mutex_);
    if (!open_) return DDERR_SURFACELOST;
    *ramp = ramp_;
    return DD_OK;
  }

  // The new ramp shows with the next frame, which is drawn whole.
  HRESULT SetRamp(const DDGAMMARAMP& ramp) {
    std::lock_guard lock(mutex_);
    if (!open_) return DDERR_SURFACELOST;
    ramp_ = ramp;
    lut_ = MakeGammaLut(ramp);
    whole_ = true;
    return DD_OK;
  }

  // Main thread: the display was released. The ramp goes with it, as it does when exclusive use ends.
  void Close() {
    std::unique_ptr<FrameOutput> output;
    {
      std::lock_guard lock(mutex_);
      open_ = false;
      ramp_ = IdentityGammaRamp();
      lut_ = MakeGammaLut(ramp_);
      output = std::move(output_);
    }
  }

  // Main thread: sends what the frames drew since the last time.
  void PresentPending() {
    FrameOutput* output;
    {
      std::lock_guard lock(mutex_);
      queued_ = false;
      if (!open_ || !output_) return;
      output = output_.get();
      output->Follow();
      output->Collect();
    }
    // Only the main thread releases the output (Close), so it stays while the lock is let go.
    Sent(output->Flush());
  }

 private:
  // What was just drawn goes out: at once, on this thread, when the output can send from here; else the
  // main thread is asked to send it. Lets go of the lock.
  void Send(std::unique_lock<std::mutex>& lock) {
    if (output_->SendsWhereDrawn()) {
      output_->Collect();
      // Under the lock: the main thread may release the output as soon as it is let go.
      const bool alive = output_->Flush();
      lock.unlock();
      Sent(alive);
      return;
    }
    lock.unlock();
    RequestPresent();
  }

  // The window we draw into went away: the run cannot go on. Only one thread ever sends for an output.
  void Sent(bool alive) {
    if (alive || gone_) return;
    gone_ = true;
    if (calls_.quit) calls_.quit();
  }

  // At most one presentation call waits in the main thread's queue; it takes whatever is newest.
  void RequestPresent() {
    {
      std::lock_guard lock(mutex_);
      if (queued_ || !open_) return;
      queued_ = true;
    }
    std::weak_ptr<Presenter> weak = weak_from_this();
    calls_.post([weak] {
      if (auto self = weak.lock()) self->PresentPending();
    });
  }

  MainThreadCalls calls_;

  std::mutex mutex_;
  bool open_ = true;
  bool queued_ = false;
  bool whole_ = true;  // the next frame is drawn whole (new size, new ramp)
  int width_ = 0;
  int height_ = 0;
  DDGAMMARAMP ramp_;
  GammaLut lut_;
  std::unique_ptr<FrameOutput> output_;

  // Only on the thread that sends (see Send).
  bool gone_ = false;
};

}  // namespace lunvale::platform
