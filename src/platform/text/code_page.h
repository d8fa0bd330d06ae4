// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
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

// `bytes` in the character set `charset` names (a label as documents write it: "KOI8-R",
// "Shift_JIS", "windows-1251", "UTF-16" with or without a byte order mark...), as valid UTF-8. A byte
// that begins no character of the set, or a character cut off at the end, becomes U+FFFD. Nothing
// when the system knows no such set.
std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view charset);

}  // namespace lunvale::platform
