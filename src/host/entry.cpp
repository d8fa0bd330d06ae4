// SPDX-License-Identifier: MIT
#include "host/entry.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/hosted.h"
#include "host/modes.h"
#include "host/password.h"
#include "host/preview.h"
#include "host/run_modes.h"
#include "host/show_feeds.h"
#include "platform/app/application.h"
#include "platform/app/error_report.h"
#include "platform/app/quit_signals.h"

namespace lunvale::host {

namespace {

std::string ModuleName(const char* argv0) {
  std::string name = argv0 != nullptr ? argv0 : "lunvale";
  size_t slash = name.find_last_of('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name.empty() ? "lunvale" : name;
}

}  // namespace

int RunModule(int argc, char** argv) {
  // The application's title names the module until a mode sets its own; the error report uses it.
  platform::Application::Instance().SetTitle(ModuleName(argc > 0 ? argv[0] : nullptr));
  const std::string argument1 = argc > 1 ? argv[1] : "";
  const std::string argument2 = argc > 2 ? argv[2] : "";
  try {
    switch (SelectMode(argument1)) {
      case SaverMode::kPreview:
        RunPreview(argument2);
        break;
      case SaverMode::kChangePassword:
        RunChangePassword(argument2);
        break;
      case SaverMode::kConfigure:
        RunConfiguration(argc, argv);
        break;
      case SaverMode::kRun: {
        if (IsShowFeedsRequest(argument1)) return ShowFeeds(stdout);
        if (IsHelpRequest(argument1)) {
          std::fputs(UsageText(platform::Application::Instance().Title()).c_str(), stdout);
          break;
        }
        const HostTarget target =
            SelectHostTarget(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc),
                             std::getenv("XSCREENSAVER_WINDOW"));
        if (target.kind == HostTarget::kWindow) {
          RunHostedSaver(target.window);
        } else if (target.kind == HostTarget::kRoot) {
          RunHostedSaver(0);
        } else {
          RunSaver();
        }
        break;
      }
    }
  } catch (const std::exception& e) {
    // Whoever stopped the saver by signal is not waiting for a message box.
    if (!platform::QuitSignalled()) platform::ShowException(e.what());
  } catch (...) {
    if (!platform::QuitSignalled()) platform::ShowException("Unknown error");
  }
  return 0;
}

}  // namespace lunvale::host
