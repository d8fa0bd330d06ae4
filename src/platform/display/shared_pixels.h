// SPDX-License-Identifier: MIT
#pragma once

// Pixel memory that a display server on this machine can read from: a System V shared-memory segment
// for X's MIT-SHM on Linux. The Windows build has no such server and never makes one
// (shared_pixels_win32.cpp); its surfaces then keep their pixels in private memory.

#include <cstddef>
#include <cstdint>

namespace lunvale::platform {

struct SharedPixels {
  uint32_t* data = nullptr;  // zeroed
  int id = -1;               // the segment, -1 for none
};

// A segment of `bytes`, attached; {null, -1} when none can be made. The segment goes once every process
// that attached it has let go, however this one ends.
SharedPixels MapSharedPixels(size_t bytes);
// Detaches what MapSharedPixels gave.
void UnmapSharedPixels(uint32_t* data);

}  // namespace lunvale::platform
