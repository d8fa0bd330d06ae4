// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lunvale::platform {

enum : unsigned {
  MB_OK = 0x00,
  MB_OKCANCEL = 0x01,
  MB_YESNO = 0x04,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows a modal message box owned by the X11 window `owner` (0: none) and returns the button pressed.
// Texts are 8-bit. Where no display can show it, the caption and text go to standard error and the
// result is IDOK.
int MessageBoxA(unsigned long owner, std::string_view text, std::string_view caption, unsigned type);

}  // namespace lunvale::platform
