// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/display/direct_draw.h"

namespace lunvale::sprites {

// What a sprite needs of the panel it is placed on: the screen size its design positions scale to, the
// frame period, and the display objects it copies when it makes its surfaces. The engine panel is one;
// sprites know only this, so the engine may own and release them without the two knowing each other.
class DisplayPanel {
 public:
  virtual int32_t GetWidthScreen() const = 0;
  virtual int32_t GetHeightScreen() const = 0;
  // The width that positions and sizes given to the sprites are designed for: 1024, or a scene's
  // canvas composed at the output's own aspect (its height is then the screen's).
  virtual int32_t GetDesignWidth() const { return 1024; }
  virtual int32_t GetInterval() const = 0;
  // The canvas the frame is drawing now. A scene composed for outputs of several shapes draws one canvas
  // for each, side by side, in every frame: sprites stay within the canvas's columns [left, right) and the
  // gadgets keep to its right edge. `repeat`: the frame drew an earlier canvas already, so what moves once
  // a frame (a scrolling line, a blinking separator) has moved.
  struct Canvas {
    int32_t left = 0;
    int32_t right = 0;
    bool repeat = false;
  };
  // Nothing: the frame draws one canvas, the whole panel.
  virtual std::optional<Canvas> CurrentCanvas() const { return std::nullopt; }
  int32_t CanvasRight() const {
    const std::optional<Canvas> canvas = CurrentCanvas();
    return canvas ? canvas->right : GetWidthScreen();
  }
  bool RepeatedCanvas() const {
    const std::optional<Canvas> canvas = CurrentCanvas();
    return canvas && canvas->repeat;
  }
  // Empty while the display is closed.
  virtual const std::shared_ptr<platform::IDirectDraw>& FDD() const = 0;
  virtual const std::shared_ptr<platform::IDirectDrawSurface>& FDDPRIM() const = 0;
  virtual const std::shared_ptr<platform::IDirectDrawSurface>& FDDBACK() const = 0;

 protected:
  ~DisplayPanel() = default;
};

}  // namespace lunvale::sprites
