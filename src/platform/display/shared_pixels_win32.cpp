// SPDX-License-Identifier: MIT
#include "platform/display/shared_pixels.h"

namespace lunvale::platform {

// GDI copies each frame out of the surface's own memory: no server would read a segment.
SharedPixels MapSharedPixels(size_t) {
  return {};
}

void UnmapSharedPixels(uint32_t*) {}

}  // namespace lunvale::platform
