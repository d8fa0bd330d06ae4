// SPDX-License-Identifier: MIT
#include "platform/app/error_report.h"

#include "platform/app/application.h"
#include "platform/app/message_box.h"

namespace lunvale::platform {

std::string ExceptionMessageText(std::string_view what) {
  std::string text(what);
  if (text.empty()) return text;
  const auto last = static_cast<unsigned char>(text.back());
  const bool letter_or_digit = (last >= '0' && last <= '9') || (last >= 'A' && last <= 'Z') ||
                               (last >= 'a' && last <= 'z') || last >= 0x80;
  if (letter_or_digit) text += '.';
  return text;
}

void ShowException(std::string_view what) {
  MessageBoxA(0, ExceptionMessageText(what), Application::Instance().Title(), MB_OK | MB_ICONSTOP);
}

}  // namespace lunvale::platform
