// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/text/device_context.h"
#include "platform/text/font.h"
#include "sprites/still_sprite.h"

namespace lunvale::gadgets {

// The news ticker: a still picture (its plate, 572 x 69) over which each frame writes the feed's name
// and one long line of news titles that creeps leftwards through a clipping box, 2 pixels a frame,
// and enters again from the right once it has left the box.
//
// Its class name keeps the engine away from its surface, as with the clock.
//
// Threads: DrawRssNews runs in the engine's frame while the feed fetcher calls the setters on the
// form's thread. Each text is an immutable string replaced whole under a short lock; the frame only
// takes a reference, so a long line is neither copied nor allocated per frame.
class TQGR : public sprites::TQIM {
 public:
  static constexpr std::string_view kNotAvailable = "*** Not Available Now ***";

  explicit TQGR(platform::TComponent* owner);
  std::string_view ClassName() const override { return "TQGR"; }

  // Each setter stores the text only if it differs; a new line goes on from the current offset.
  void SetRssLine(std::string_view value);
  std::string GetRssLine() const;
  void SetNameNews(std::string_view value);
  std::string GetNameNews() const;

  // How far the line has moved left from the box's right edge, in pixels.
  int32_t GetScrollOffset() const { return scroll_offset_.load(std::memory_order_relaxed); }

  // The title, then the line, each only if the back buffer's context can be had. Call after the
  // plate's DrawImage.
  void DrawRssNews();
  // NameNews, unclipped, with its top-left at (x, y).
  void ShowRssTitle(int x, int y);
  // Advances the offset and draws `text` clipped to the box from `left` over `width` pixels,
  // 20 rows either side of `top`, the line's top. Without the context the offset stays.
  void CreepingLine(std::string_view text, int left, int width, int top);

  // Layout from the plate's top-left corner.
  static constexpr int kTitleX = 90;
  static constexpr int kTitleY = 7;
  static constexpr int kLineLeft = 15;
  static constexpr int kLineWidth = 545;
  static constexpr int kLineTop = 30;
  static constexpr int kClipHalfHeight = 20;
  static constexpr int kStep = 2;
  static constexpr int kFontHeight = 16;

 private:
  using Text = std::shared_ptr<const std::string>;

  static void Store(std::mutex& mutex, Text& slot, std::string_view value);
  Text Load(const Text& slot) const;
  // Gets the back buffer's context with the gadget's font selected; null when there is none.
  platform::DeviceContext* BeginText(std::shared_ptr<platform::IDirectDrawSurface>& back);

  mutable std::mutex text_mutex_;  // the two texts: replaced by the fetcher, read by frames
  Text rss_line_;
  Text name_news_;

  std::atomic<int32_t> scroll_offset_ = 0;

  // Frame thread only: the font made by the first frame (both texts use it), and the width of the
  // line last measured, kept with that line so that an unchanged line is not measured again.
  platform::FontHandle font_;
  Text measured_line_;
  int64_t measured_width_ = -1;
};

}  // namespace lunvale::gadgets
