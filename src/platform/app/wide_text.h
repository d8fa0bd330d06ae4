// SPDX-License-Identifier: MIT
#pragma once

// platform/app: the system's 8-bit texts as UTF-16, the form Windows' wide calls take them in.

#include <string>
#include <string_view>

namespace lunvale::platform {

// Reads `bytes` as platform/text/code_page.h does (UTF-8 when valid, else Windows-1252) and writes
// the characters as UTF-16, with surrogate pairs past U+FFFF. A NUL byte stays a NUL unit.
std::u16string Utf16FromText(std::string_view bytes);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view units);

}  // namespace lunvale::platform
