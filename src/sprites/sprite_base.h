// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/display/direct_draw.h"
#include "sprites/display_panel.h"
#include "sprites/image_control.h"

namespace lunvale::sprites {

// What the still and the strip sprite share: the error text and event, the position and size in the
// 1024 x 768 design space, the borrowed display references and the clipped fast blit into FDDBACK.
//
// Threads: set-up (setters, surfaces, transparency) runs on the form's thread before the frame timer
// starts; drawing and restoring run in the engine's frame. Only ErrorResult is read across threads.
class TQSpriteBase : public TImage {
 public:
  // Immediate retries of a call that reports DDERR_WASSTILLDRAWING before it counts as failed, so that
  // a display that never finishes cannot hang the frame (and with it the close, which waits for it).
  static constexpr int kStillDrawingRetries = 100000;

  explicit TQSpriteBase(platform::TComponent* owner);

  void SetErrorResult(const std::string& text);
  std::string GetErrorResult() const;
  platform::TNotifyEvent OnError;

  // Scaled by WidthScreen / 1024 and HeightScreen / 768 when Stretching is set.
  void SetShowX(int32_t value);
  void SetShowY(int32_t value);
  int32_t GetShowX() const { return show_x_; }
  int32_t GetShowY() const { return show_y_; }
  void SetStretching(bool value) { stretching_ = value; }
  bool GetStretching() const { return stretching_; }
  void SetStretchWidth(int32_t value) { stretch_width_ = value; }
  void SetStretchHeight(int32_t value) { stretch_height_ = value; }
  int32_t GetStretchWidth() const { return stretch_width_; }
  int32_t GetStretchHeight() const { return stretch_height_; }
  bool GetTransparency() const { return transparency_; }

  platform::HRESULT LastResult() const { return last_result_; }
  const platform::RECT& SourceRect() const { return source_rect_; }
  uint32_t BltFlags() const { return blt_flags_; }

 protected:
  // The display panel this sprite sits on, or null when its parent is not one.
  const DisplayPanel* Panel() const;
  // Design-space scaling; the identity without an engine.
  int32_t ScaleX(int32_t value) const;
  int32_t ScaleY(int32_t value) const;

  // Stores the text (prefix + suffix, without allocating once the text has room) and raises OnError.
  void Report(std::string_view text, std::string_view suffix = {});

  // Copies the engine's three references; reports the first one missing and returns false.
  bool TakeDisplay();
  std::shared_ptr<platform::IDirectDrawSurface> BackSurface() const { return fddback_.lock(); }
  // The front surface is held and reports itself lost.
  bool PrimaryLost() const;
  // Describes an off-screen surface of w x h and creates it.
  platform::HRESULT CreateOffscreen(int32_t w, int32_t h, std::shared_ptr<platform::IDirectDrawSurface>& out);

  // Clips SourceRect at (ShowX, ShowY) to the panel and blits `src` into `back`, retrying while the
  // display is still drawing. A lost surface reports "Lost surface"; other failures `blt_error` followed
  // by the code's name.
  void BlitClipped(platform::IDirectDrawSurface* back, platform::IDirectDrawSurface* src,
                   std::string_view blt_error);

  int32_t show_x_ = 0;
  int32_t show_y_ = 0;
  bool stretching_ = false;
  int32_t stretch_width_ = 100;
  int32_t stretch_height_ = 100;
  bool transparency_ = false;

  // Borrowed from the engine when the surfaces are made: weak, so that a closed display is never kept.
  std::weak_ptr<platform::IDirectDraw> fdd_;
  std::weak_ptr<platform::IDirectDrawSurface> fddback_;
  std::weak_ptr<platform::IDirectDrawSurface> fddprim_;

  platform::HRESULT last_result_ = platform::DD_OK;
  platform::RECT source_rect_;
  uint32_t blt_flags_ = platform::DDBLTFAST_NOCOLORKEY;

 private:
  mutable std::mutex error_mutex_;  // written by frames, read by the form's thread
  std::string error_result_;
};

}  // namespace lunvale::sprites
