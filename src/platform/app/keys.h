// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lunvale::platform {

// Virtual-key codes as the forms' key handlers receive them.
enum : uint16_t {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_F1 = 0x70,
  VK_F2 = 0x71,
  VK_F3 = 0x72,
  VK_F12 = 0x7B,
};

// Shift state of a key or mouse event.
enum ShiftState : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
};

// Linux: maps an SDL key code to its virtual-key code; 0 when it has none. Windows' key messages carry
// virtual-key codes already, and its build has no SDL.
uint16_t VirtualKeyFromSdl(int32_t sdl_key);

}  // namespace lunvale::platform
