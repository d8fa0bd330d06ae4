// SPDX-License-Identifier: MIT
// Windows: our counter, mirrored one call for one into the system's own display counter, which starts
// at 0 too when a mouse is present. The counter returned is ours, process-wide.
#include <atomic>

#include "platform/app/cursor.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

std::atomic<int> g_counter{0};

}  // namespace

int ShowCursor(bool show) {
  const int counter = show ? g_counter.fetch_add(1) + 1 : g_counter.fetch_sub(1) - 1;
  ::ShowCursor(show ? TRUE : FALSE);
  return counter;
}

}  // namespace lunvale::platform
