#include "host/modes.h"

#include <string>

namespace lunvale::host {

SaverMode SelectMode(std::string_view argument1) {
  std::string s(argument1);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (s.size() < 2) return SaverMode::kRun;
  if (s[0] == '/' || s[0] == '-') s.erase(0, 1);
  switch (s.empty() ? '\0' : s[0]) {
    case 'P':
      return SaverMode::kPreview;
    case 'C':
      return SaverMode::kConfigure;
    case 'A':
      return SaverMode::kChangePassword;
    default:
      return SaverMode::kRun;
  }
}

}  // namespace lunvale::host
