// SPDX-License-Identifier: MIT
#include "platform/system/conversions.h"

namespace lunvale::platform {

int32_t StrToInt(std::string_view text) {
  const auto fail = [&] {
    std::string message;
    message.reserve(text.size() + 32);
    message.append(1, '\'').append(text).append("' is not a valid integer value");
    return EConvertError(message);
  };
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t end = text.size();
  while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) throw fail();
  int64_t value = 0;
  for (; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') throw fail();
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) throw fail();
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) throw fail();
  return static_cast<int32_t>(value);
}

}  // namespace lunvale::platform
