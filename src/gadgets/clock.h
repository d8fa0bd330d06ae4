// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/system/time_format.h"
#include "platform/text/device_context.h"
#include "platform/text/font.h"
#include "sprites/still_sprite.h"

namespace lunvale::gadgets {

// The clock gadget: a still picture (its plate) that also writes the local time, hours and minutes
// with a blinking separator, into the engine's back buffer in the bottom right corner of the screen.
//
// Its class name keeps the engine away from its surface: the plate is neither released with the
// display nor restored after a loss (its blits then report "Lost surface"); the text is drawn all
// the same.
//
// Threads: DrawGadgetClock runs in the engine's frame. The time source and the time format may be
// replaced from another thread at any time; the frame takes them under a short lock.
class TQGC : public sprites::TQIM {
 public:
  // The local time to show; tests put a fixed one in.
  using TimeSource = std::function<std::tm()>;

  explicit TQGC(platform::TComponent* owner);
  std::string_view ClassName() const override { return "TQGC"; }

  // Writes the time of this frame at (WidthScreen - 113, HeightScreen - 42), centred in 106 pixels.
  // Call after the plate's DrawImage. Without the back buffer's device context nothing is drawn and
  // the blinking does not advance.
  void DrawGadgetClock();

  // Cuts `source`: `found` is the text up to the first `close` marker, `rest` the text after it;
  // without the marker, `found` is empty and `rest` the whole text. `open` "BEGIN" starts at the
  // first character, any other marker just after its first occurrence; `close` "END" takes all.
  static void Parse1(std::string_view source, std::string_view open, std::string_view close,
                     std::string_view& found, std::string_view& rest);

  // Null: the system's local time.
  void SetTimeSource(TimeSource source);
  // Null: the user's locale again. Made on the form's thread from the environment by default.
  void SetTimeFormat(std::shared_ptr<const platform::TimeFormat> format);
  std::shared_ptr<const platform::TimeFormat> GetTimeFormat() const;

  // Frames drawn since the second last changed, and that second.
  int32_t BlinkCount() const { return blink_count_.load(std::memory_order_relaxed); }
  int32_t LastSecond() const { return last_second_.load(std::memory_order_relaxed); }

  static constexpr int kOriginRight = 113;  // text origin from the right edge
  static constexpr int kOriginBottom = 42;  // top of the text from the bottom edge
  static constexpr int kBoxWidth = 106;     // the text is centred in this width
  static constexpr int kBlinkMs = 500;      // the separator shows in the first half of each second

 private:
  // The time and the format of this frame.
  std::tm Now(std::shared_ptr<const platform::TimeFormat>& format);

  mutable std::mutex source_mutex_;  // the two below: replaced by the form's thread, read by frames
  TimeSource time_source_;
  std::shared_ptr<const platform::TimeFormat> time_format_;

  // Frame thread only: made by the first frame, selected again by every later one.
  platform::FontHandle font_;
  std::atomic<int32_t> blink_count_ = 0;
  std::atomic<int32_t> last_second_ = 0;
};

}  // namespace lunvale::gadgets
