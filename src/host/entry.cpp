// SPDX-License-Identifier: MIT
#include "host/entry.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/modes.h"
#include "host/password.h"
#include "host/platform_modes.h"
#include "host/preview.h"
#include "host/run_modes.h"
#include "host/show_feeds.h"
#include "platform/app/application.h"
#include "platform/app/error_report.h"
#include "platform/app/quit_signals.h"

namespace lunvale::host {

namespace {

// Inside a host's window, or in the preview, nobody can answer a message box: the host hides the
// desktop, or has gone and left the box behind. The error goes to standard error, as hosts expect,
// and the status says it failed. Elsewhere it is the application's default error report.
int ReportError(std::string_view what, bool to_stderr) {
  if (platform::QuitSignalled()) return 0;  // whoever stopped the saver is not waiting for a report
  if (!to_stderr) {
    platform::ShowException(what);
    return 0;
  }
  std::fprintf(stderr, "%s: %s\n", platform::Application::Instance().Title().c_str(),
               platform::ExceptionMessageText(what).c_str());
  return 1;
}

// The run mode's own switches, which end the module before any display is opened; false for none.
bool RunCommandLineRequest(const std::string& argument1) {
  const std::string& program = platform::Application::Instance().Title();
  if (IsHelpRequest(argument1)) {
    std::fputs(UsageText(program).c_str(), stdout);
  } else if (IsVersionRequest(argument1)) {
    std::fputs(VersionText(program).c_str(), stdout);
  } else {
    return RunPlatformRequest(argument1);
  }
  return true;
}

}  // namespace

int RunModule(int argc, char** argv) {
  // The application's title names the module until a mode sets its own; the error report uses it.
  platform::Application::Instance().SetTitle(ModuleName(argc > 0 ? argv[0] : nullptr));
  // In every mode, also while a message box is up or the settings dialog runs, a quit signal ends
  // the module with status 0.
  platform::InstallQuitSignals();
  const std::string argument1 = argc > 1 ? argv[1] : "";
  const std::string argument2 = argc > 2 ? argv[2] : "";
  bool to_stderr = false;
  try {
    switch (SelectMode(argument1)) {
      case SaverMode::kPreview:
        to_stderr = true;
        RunPreview(SwitchArgument(argument1, argument2));
        break;
      case SaverMode::kChangePassword:
        RunChangePassword(SwitchArgument(argument1, argument2));
        break;
      case SaverMode::kConfigure:
        RunConfiguration(argc, argv);
        break;
      case SaverMode::kRun: {
        // A command-line request and a host's switches or variable, the only things that can fail
        // before a run starts, answer on standard error.
        to_stderr = true;
        if (IsShowFeedsRequest(argument1)) return ShowFeeds(stdout);
        if (RunCommandLineRequest(argument1)) break;
        RunSaverMode(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), to_stderr);
        break;
      }
    }
  } catch (const std::exception& e) {
    return ReportError(e.what(), to_stderr);
  } catch (...) {
    return ReportError("Unknown error", to_stderr);
  }
  return 0;
}

}  // namespace lunvale::host
