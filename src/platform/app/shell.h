// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace lunvale::platform {

constexpr int SW_SHOW = 5;

// Results of ShellExecuteA at or below 32 are errors, as on the original.
constexpr intptr_t SE_ERR_FNF = 2;       // no file name given
constexpr intptr_t SE_ERR_NOASSOC = 31;  // nothing could open it, or the verb is not "open"

// Opens a web address with the desktop's default application: the verb "open" (or no verb) hands
// `file` unchanged, as one argument, to xdg-open through SDL (on Windows, to the shell's "open", the
// bytes read as UTF-8 when valid, else as Windows-1252). Only http:// and https:// addresses with a
// host are opened (the scheme in any case); a file, another scheme or an address with a control byte
// in it opens nothing and gives SE_ERR_NOASSOC, because the addresses come from feeds that anyone may
// write. The launcher runs in the background; the call does not wait for it or for the browser.
// Success (the launcher was started) gives a value above 32. An empty or null file fails with
// SE_ERR_FNF without starting anything; any other verb, or no xdg-open on the search path (on
// Windows, any failure of the shell), gives SE_ERR_NOASSOC. What the launcher then makes of the
// address is not reported back. The parameters and the directory do not matter for an address; on
// Linux neither do the owner window and the show command, which Windows hands to the shell.
intptr_t ShellExecuteA(unsigned long owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int show);

// Whether ShellExecuteA would hand `address` on: http:// or https://, a host, no control byte.
bool IsWebAddress(std::string_view address);

}  // namespace lunvale::platform
