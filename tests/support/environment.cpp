// SPDX-License-Identifier: MIT
// The environment through POSIX; the settings live in a file under $XDG_CONFIG_HOME.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "support/scratch.h"

namespace lunvale::testing {

void SetEnv(const char* name, const std::string& value) {
  ::setenv(name, value.c_str(), 1);
}

void UnsetEnv(const char* name) {
  ::unsetenv(name);
}

std::optional<ScopedEnv> BrowserStandIn(const std::string& folder, const std::string& record) {
  const std::string bin = folder + "/bin";
  std::filesystem::create_directories(bin);
  std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << record << "'\n";
  chmod((bin + "/xdg-open").c_str(), 0755);
  return std::optional<ScopedEnv>(std::in_place, "PATH", bin + ":/usr/bin:/bin");
}

const char* PlatformReferences() {
  return "";
}

ScratchSettings::ScratchSettings() {
  home_.emplace("XDG_CONFIG_HOME", folder_.Path());
}

ScratchSettings::~ScratchSettings() = default;

}  // namespace lunvale::testing
