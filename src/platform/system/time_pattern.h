// SPDX-License-Identifier: MIT
#pragma once

// platform/system: time patterns without the C library's locales. Windows writes a locale's time as a
// picture ("h:mm:ss tt") and its C library knows few strftime conversions, so the Windows build turns
// the picture into a strftime pattern and formats that pattern itself.

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace lunvale::platform {

// A Windows time picture as a strftime pattern: h, hh, H, HH, m, mm, s, ss (one letter: no leading
// zero), t and tt (the AM/PM designator), text in single quotes ('' is a quote) as it stands.
std::string PatternFromTimePicture(std::string_view picture);

// strftime's time-of-day conversions (H I k l M S p P R T r X D F y Y m d e n t %, with the flags
// _ - 0 ^ # and a width; E and O modifiers read as without them), the designators given. A
// conversion it does not know is written as it stands. Writes a NUL-terminated text and gives its
// length; 0 and an empty text when it does not fit. Does not allocate.
std::size_t FormatTimePattern(std::string_view pattern, const std::tm& time, std::string_view am,
                              std::string_view pm, char* out, std::size_t size);

}  // namespace lunvale::platform
