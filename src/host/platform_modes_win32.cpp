// SPDX-License-Identifier: MIT
// The module's entry on Windows: the module's path may use either slash, and Windows has neither
// XScreenSaver's list nor Linux's screen-saver hosts, so run mode always takes the saver's own
// windows and there are no requests of the platform's own.
#include <string>
#include <vector>

#include "host/platform_modes.h"
#include "host/run_modes.h"

namespace lunvale::host {

std::string ModuleName(const char* argv0) {
  std::string name = argv0 != nullptr ? argv0 : "lunvale";
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name.empty() ? "lunvale" : name;
}

bool RunPlatformRequest(const std::string&) {
  return false;
}

void RunSaverMode(const std::vector<std::string>&, bool& to_stderr) {
  to_stderr = false;
  RunSaver();
}

}  // namespace lunvale::host
