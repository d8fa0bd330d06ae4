// SPDX-License-Identifier: MIT
// Windows: a GUI module is asked to go by messages to its windows (WM_CLOSE, WM_ENDSESSION: see
// form_win32.cpp), not by signals. What stands for the signals is the console's: Ctrl+C, Ctrl+Break,
// closing the console, logging off and shutting down, when a console is attached. They take the same
// course as on Linux: during a run the main thread is asked to take its exit path, and the process ends
// 150 ms later in any case; outside a run it ends at once.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

std::atomic<bool> g_signalled{false};
std::atomic<int> g_runs{0};  // live QuitSignalsScopes: a message loop serves quit requests

// The exit sequence normally takes a few tens of milliseconds; one that hangs (a device, a server that
// stopped answering) must not keep whoever stops the saver waiting.
constexpr std::chrono::milliseconds kExitDeadline{150};

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
  g_signalled.store(true);
  // Without a run no loop would serve the request: a message box or the preview's wait.
  if (g_runs.load() == 0) std::_Exit(0);
  Application::Instance().QueueQuitRequest();
  std::this_thread::sleep_for(kExitDeadline);
  std::_Exit(0);
}

}  // namespace

void InstallQuitSignals() {
  static std::once_flag once;
  // Registered whether or not a console is attached now: one attached later reaches it too.
  std::call_once(once, [] { ::SetConsoleCtrlHandler(&OnConsoleEvent, TRUE); });
}

QuitSignalsScope::QuitSignalsScope() {
  g_runs.fetch_add(1);
}

QuitSignalsScope::~QuitSignalsScope() {
  g_runs.fetch_sub(1);
  Application::Instance().SetOnQuitRequest(nullptr);
}

bool QuitSignalled() {
  return g_signalled.load();
}

}  // namespace lunvale::platform
