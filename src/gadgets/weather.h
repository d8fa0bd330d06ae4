// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/text/device_context.h"
#include "platform/text/font.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

namespace lunvale::gadgets {

// The weather gadget: a still picture (its plate, 336 x 69) over which each frame draws the pictures
// of the current conditions and of tomorrow's forecast from a shared strip of 49 weather pictures,
// the current temperature and tomorrow's low and high.
//
// Its class name keeps the engine away from its surface, as with the clock.
//
// Threads: DrawGadgetWeather runs in the engine's frame while the feed fetcher calls the setters on
// the form's thread. The five values live under one short lock; the frame copies them into buffers
// of its own, so that it allocates nothing once they have grown to size.
class TQGW : public sprites::TQIM {
 public:
  // Frames 0 .. 47 of the strip follow the weather service's condition codes; frame 48 is the
  // "not available" picture.
  static constexpr int32_t kLastCode = 47;
  static constexpr int32_t kNotAvailable = 48;

  explicit TQGW(platform::TComponent* owner);
  std::string_view ClassName() const override { return "TQGW"; }

  // Each setter stores the value only if it differs; the next frame shows it.
  void SetTodayCode(int32_t value);
  int32_t GetTodayCode() const;
  void SetTomorrowCode(int32_t value);
  int32_t GetTomorrowCode() const;
  void SetTodayNow(std::string_view value);
  std::string GetTodayNow() const;
  void SetTomorrowHi(std::string_view value);
  std::string GetTomorrowHi() const;
  void SetTomorrowLow(std::string_view value);
  std::string GetTomorrowLow() const;

  // The strip with the weather pictures; set up before the frames start, on the same form, so it
  // lives as long as the gadget. Null: the gadget draws nothing.
  void SetWeatherPicVCL(sprites::TQMV* strip) { weather_pic_.store(strip, std::memory_order_release); }
  sprites::TQMV* GetWeatherPicVCL() const { return weather_pic_.load(std::memory_order_acquire); }

  // The feed fetcher's schedule keeps its count of minutes here; the gadget never reads it.
  void SetRefreshCounter(int32_t value) { refresh_counter_.store(value, std::memory_order_relaxed); }
  int32_t GetRefreshCounter() const { return refresh_counter_.load(std::memory_order_relaxed); }

  // Draws both pictures, then, if the back buffer's context can be had, the two texts. Codes above
  // 47 become 48 for good; negative codes show the "not available" picture but are kept. Call after
  // the plate's DrawImage.
  void DrawGadgetWeather();

  // Layout from the plate's top-left corner.
  static constexpr int kTodayPicX = 94;
  static constexpr int kTomorrowPicX = 206;
  static constexpr int kPicY = 8;
  static constexpr int kTodayTextX = 153;
  static constexpr int kTomorrowTextX = 265;
  static constexpr int kTextY = 29;
  static constexpr int kFontHeight = 20;

 private:
  // The frame the strip shows for `code`, clamping the stored code as the frame reads it.
  static int32_t FrameFor(int32_t& code);
  void DrawPicture(sprites::TQMV* strip, int x, int y, int32_t frame);

  mutable std::mutex values_mutex_;  // the five values: set by the fetcher, read by frames
  int32_t today_code_ = kNotAvailable;
  int32_t tomorrow_code_ = kNotAvailable;
  std::string today_now_ = "NA";
  std::string tomorrow_hi_ = "NA";
  std::string tomorrow_low_ = "NA";

  std::atomic<sprites::TQMV*> weather_pic_ = nullptr;
  std::atomic<int32_t> refresh_counter_ = 0;

  // Frame thread only: the font made by the first frame, and the texts of the frame.
  platform::FontHandle font_;
  std::string today_text_;
  std::string range_text_;
};

}  // namespace lunvale::gadgets
