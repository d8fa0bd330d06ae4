// SPDX-License-Identifier: MIT
#include "platform/app/cursor.h"

#include <SDL.h>

#include <atomic>

namespace lunvale::platform {

namespace {

std::atomic<int> g_counter{0};

}  // namespace

int ShowCursor(bool show) {
  const int counter = show ? g_counter.fetch_add(1) + 1 : g_counter.fetch_sub(1) - 1;
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
  return counter;
}

}  // namespace lunvale::platform
