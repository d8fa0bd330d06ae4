// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lunvale::platform {

// The system's texts are 8-bit. Text that is already valid UTF-8 is read as UTF-8; anything else is
// read as Windows-1252 (so byte 176 is the degree sign). The five bytes that code page leaves unused
// keep their own code, as the system's own conversion keeps them.
bool IsValidUtf8(std::string_view bytes);
// The text as characters, for drawing.
void DecodeText(std::string_view bytes, std::u32string& out);
std::u32string DecodeText(std::string_view bytes);
// The text as UTF-8, for the desktop.
std::string AnsiToUtf8(std::string_view bytes);
// Appends one character (up to U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace lunvale::platform
