#pragma once

#include <string>
#include <string_view>

namespace lunvale::host {

// The framework's standard exception message: the exception's text, with a full stop added when it
// ends in a letter or digit, in a message box captioned with the application's title.
std::string ExceptionMessageText(std::string_view what);
void ShowException(std::string_view what);

}  // namespace lunvale::host
