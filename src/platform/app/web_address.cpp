// SPDX-License-Identifier: MIT
// Which addresses ShellExecuteA hands on, the same on every platform.
#include <string>

#include "platform/app/shell.h"

namespace lunvale::platform {

bool IsWebAddress(std::string_view address) {
  std::string scheme(address.substr(0, address.find("://")));
  for (char& c : scheme) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if ((scheme != "http" && scheme != "https") || scheme.size() == address.size()) return false;
  const std::string_view rest = address.substr(scheme.size() + 3);
  if (rest.empty() || rest.front() == '/' || rest.front() == '?' || rest.front() == '#') return false;
  for (unsigned char c : address) {
    if (c < 32 || c == 127) return false;
  }
  return true;
}

}  // namespace lunvale::platform
