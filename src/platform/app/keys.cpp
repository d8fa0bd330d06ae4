// SPDX-License-Identifier: MIT
#include "platform/app/keys.h"

#include <SDL.h>

namespace lunvale::platform {

uint16_t VirtualKeyFromSdl(int32_t sdl_key) {
  if (sdl_key >= SDLK_a && sdl_key <= SDLK_z) return static_cast<uint16_t>('A' + (sdl_key - SDLK_a));
  if (sdl_key >= SDLK_0 && sdl_key <= SDLK_9) return static_cast<uint16_t>(sdl_key);
  if (sdl_key >= SDLK_F1 && sdl_key <= SDLK_F12) return static_cast<uint16_t>(VK_F1 + (sdl_key - SDLK_F1));
  switch (sdl_key) {
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_RETURN:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    default:
      return 0;
  }
}

}  // namespace lunvale::platform
