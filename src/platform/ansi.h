#pragma once

#include <string>
#include <string_view>

namespace lunvale::platform {

// The system's texts are 8-bit. Text that is already valid UTF-8 passes unchanged; anything else is
// read as Windows-1252 (so byte 176 is the degree sign) and converted to UTF-8 for the desktop.
bool IsValidUtf8(std::string_view bytes);
std::string AnsiToUtf8(std::string_view bytes);

}  // namespace lunvale::platform
