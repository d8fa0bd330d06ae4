// SPDX-License-Identifier: MIT
#include "platform/app/shell.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace lunvale::platform {

namespace {

// Any value above 32 means success; the original returns an instance handle there.
constexpr intptr_t kLaunched = 42;
constexpr const char* kLauncher = "xdg-open";

// SDL starts the launcher in the background and reports success once it has forked, found or not;
// looking along the search path first (as exec does) turns a desktop without one into a failure.
bool LauncherOnPath() {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/bin:/usr/bin";
  while (true) {
    const size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/" + kLauncher;
    if (::access(candidate.c_str(), X_OK) == 0) return true;
    if (colon == std::string_view::npos) return false;
    dirs.remove_prefix(colon + 1);
  }
}

}  // namespace

intptr_t ShellExecuteA(unsigned long /*owner*/, const char* verb, const char* file,
                       const char* /*parameters*/, const char* /*directory*/, int /*show*/) {
  if (file == nullptr || *file == '\0') return SE_ERR_FNF;
  if (verb != nullptr && *verb != '\0' && std::strcmp(verb, "open") != 0) return SE_ERR_NOASSOC;
  if (!IsWebAddress(file) || !LauncherOnPath()) return SE_ERR_NOASSOC;
  return SDL_OpenURL(file) == 0 ? kLaunched : SE_ERR_NOASSOC;
}

}  // namespace lunvale::platform
