// SPDX-License-Identifier: MIT
// The environment through POSIX; the settings live in a file under $XDG_CONFIG_HOME.
#include <cstdlib>

#include "support/scratch.h"

namespace lunvale::testing {

void SetEnv(const char* name, const std::string& value) {
  ::setenv(name, value.c_str(), 1);
}

void UnsetEnv(const char* name) {
  ::unsetenv(name);
}

ScratchSettings::ScratchSettings() {
  home_.emplace("XDG_CONFIG_HOME", folder_.Path());
}

ScratchSettings::~ScratchSettings() = default;

}  // namespace lunvale::testing
