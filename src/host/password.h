// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lunvale::host {

// The password provider's entry point, as the Linux stand-in provider exports it (Windows' own is called
// with Windows' calling convention and window handle, password_win32.cpp).
using PwdChangePasswordProc = unsigned (*)(const char* regkey_name, unsigned long owner, unsigned reserved1,
                                           unsigned reserved2);

// Password-change mode: hands the change to the system's password provider "MPR.DLL", owned by the
// window named by `owner_text` (a decimal X11 window id), or says why it cannot.
void RunChangePassword(std::string_view owner_text);

}  // namespace lunvale::host
