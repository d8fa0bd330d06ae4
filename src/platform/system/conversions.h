// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lunvale::platform {

// A text that is not the number it should be.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decimal text to a 32-bit signed integer, as the form framework converts: surrounding blanks and a
// sign are allowed, anything else, an empty text or a value out of range raises EConvertError with
// "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

}  // namespace lunvale::platform
