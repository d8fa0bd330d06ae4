#include "host/error_report.h"

#include "platform/app/application.h"
#include "platform/app/message_box.h"

namespace lunvale::host {

std::string ExceptionMessageText(std::string_view what) {
  std::string text(what);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

void ShowException(std::string_view what) {
  platform::MessageBoxA(0, ExceptionMessageText(what), platform::Application::Instance().Title(),
                        platform::MB_OK | platform::MB_ICONSTOP);
}

}  // namespace lunvale::host
