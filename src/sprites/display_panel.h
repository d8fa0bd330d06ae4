// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

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
  // Empty while the display is closed.
  virtual const std::shared_ptr<platform::IDirectDraw>& FDD() const = 0;
  virtual const std::shared_ptr<platform::IDirectDrawSurface>& FDDPRIM() const = 0;
  virtual const std::shared_ptr<platform::IDirectDrawSurface>& FDDBACK() const = 0;

 protected:
  ~DisplayPanel() = default;
};

}  // namespace lunvale::sprites
