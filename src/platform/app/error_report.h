// SPDX-License-Identifier: MIT
#pragma once

// The application's default error report: what an error that nothing caught shows the user.

#include <string>
#include <string_view>

namespace lunvale::platform {

// The exception's text as the report shows it: a full stop is added when the text ends in a letter or a
// digit (a byte outside ASCII counts as part of a letter), so that "Why?" or "'Brightness'" stay as they
// are.
std::string ExceptionMessageText(std::string_view what);
// The text in a message box captioned with the application's title.
void ShowException(std::string_view what);

}  // namespace lunvale::platform
