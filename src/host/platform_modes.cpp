// SPDX-License-Identifier: MIT
#include "host/platform_modes.h"

#include <cstdlib>
#include <iostream>

#include "host/hosted.h"
#include "host/modes.h"
#include "host/run_modes.h"
#include "host/xscreensaver_list.h"

namespace lunvale::host {

std::string ModuleName(const char* argv0) {
  std::string name = argv0 != nullptr ? argv0 : "lunvale";
  size_t slash = name.find_last_of('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name.empty() ? "lunvale" : name;
}

bool RunPlatformRequest(const std::string& argument1) {
  if (argument1 == "--add-to-xscreensaver") {
    AddToXScreenSaver(UserInitFile(), XScreenSaverDefaultsFiles(), std::cout);
  } else if (argument1 == "--remove-from-xscreensaver") {
    RemoveFromXScreenSaver(UserInitFile(), std::cout);
  } else {
    return false;
  }
  return true;
}

void RunSaverMode(const std::vector<std::string>& arguments, bool& to_stderr) {
  const HostTarget target = SelectHostTarget(arguments, std::getenv("XSCREENSAVER_WINDOW"));
  to_stderr = target.kind != HostTarget::kOwnWindow;
  if (target.kind == HostTarget::kWindow) {
    RunHostedSaver(target.window);
  } else if (target.kind == HostTarget::kRoot) {
    RunHostedSaver(0);
  } else {
    RunSaver();
  }
}

}  // namespace lunvale::host
