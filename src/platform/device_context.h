#pragma once

#include "platform/pixels.h"

namespace lunvale::platform {

// A drawing context over a surface's pixels: fonts, text and single pixels, as the gadgets and the
// overlay lines use them. Obtained from a surface and released within the same frame.
class DeviceContext {
 public:
  explicit DeviceContext(PixelView target) : target_(target) {}
  virtual ~DeviceContext() = default;

  PixelView Target() const { return target_; }

 private:
  PixelView target_;
};

}  // namespace lunvale::platform
