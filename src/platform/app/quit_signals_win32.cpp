// SPDX-License-Identifier: MIT
// Windows: a GUI module is asked to go by messages to its windows (WM_CLOSE, WM_ENDSESSION: see
// form_win32.cpp), not by signals. What stands for the signals is the console's: Ctrl+C, Ctrl+Break,
// closing the console, logging off and shutting down, when a console is attached. They take the same
// course as on Linux (quit_course.cpp): during a run the main thread is asked to take its exit path,
// and the process ends 150 ms later in any case; outside a run it ends at once.
#include <mutex>

#include "platform/app/quit_course.h"
#include "platform/app/quit_signals.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

// The system calls this on a thread of its own, so it may wait.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      break;
    default:
      return FALSE;
  }
  quit_course::Mark();
  quit_course::End();
}

}  // namespace

void InstallQuitSignals() {
  static std::once_flag once;
  // Registered whether or not a console is attached now: one attached later reaches it too.
  std::call_once(once, [] { ::SetConsoleCtrlHandler(&OnConsoleEvent, TRUE); });
}

}  // namespace lunvale::platform
