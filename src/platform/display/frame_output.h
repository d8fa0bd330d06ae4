// SPDX-License-Identifier: MIT
#pragma once

// Where the display's finished frames go: the interface the presenter draws and sends through. The
// outputs: an X11 window (x11_output.h), SDL's own surface (surface_output.h), and every X screen
// (other_screens.h).

#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/gamma.h"
#include "platform/pixels/pixels.h"

namespace lunvale::platform {

// A frame output is used in three steps for each frame, around the lock the display keeps its frames
// under: `Follow` on the main thread, then `Draw` by whichever thread holds the frame (under the lock), then
// `Collect` on the main thread under the lock and `Flush` on the main thread without it. An output that
// `SendsWhereDrawn` has all four called in a row, under the lock, by the thread that holds the frame.
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  // Main thread, under the lock: follows the window (its size, what the server lost, its going away).
  virtual void Follow() = 0;
  // Under the lock: draws the parts `changed` of `frame` (null: all of it); the output may ask for the
  // whole frame instead, see WantsWhole.
  virtual void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) = 0;
  // Under the lock: the next Draw must be given the whole frame (a new window size, nothing drawn yet).
  virtual bool WantsWhole() const = 0;
  // Main thread, under the lock: takes what was drawn since the last time and sends it, or what of
  // sending needs the drawn pixels.
  virtual void Collect() = 0;
  // Main thread, without the lock: what is left of sending. False once the window is gone for good.
  virtual bool Flush() = 0;
  // Whether the output needs nothing of the main thread: it talks to its server on a connection of its own.
  virtual bool SendsWhereDrawn() const { return false; }
  // Under the lock, for an output that SendsWhereDrawn: the frames given to Draw may be `frame`, whose
  // memory is the shared-memory segment `shm_id`, which the output may send from rather than copy. An
  // empty frame takes that back; the memory may go as soon as the lock is let go.
  virtual void ShareFrame(const PixelView& frame, int shm_id) {
    (void)frame;
    (void)shm_id;
  }
};

}  // namespace lunvale::platform
