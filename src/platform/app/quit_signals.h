// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::platform {

// SIGTERM, SIGINT and SIGHUP: how session managers and screen-saver hosts stop a saver. Once installed,
// each of them marks a quit request and asks the application's main thread, through its call queue, to
// run the quit request handler (Application::SetOnQuitRequest), which takes the mode's normal exit path.
// Safe to call more than once; the handlers stay for the process's lifetime.
void InstallQuitSignals();

// For the life of a run: afterwards the quit request handler is gone and the signals act as they did
// before (they end the process), since no message loop is left to serve them; an error report shown
// after a failed run can then still be ended by a host.
class QuitSignalsScope {
 public:
  QuitSignalsScope() = default;
  ~QuitSignalsScope();
  QuitSignalsScope(const QuitSignalsScope&) = delete;
  QuitSignalsScope& operator=(const QuitSignalsScope&) = delete;
};

// A quit signal has arrived since the process started. Loops that do not run the application's message
// loop (the preview's wait) look at it.
bool QuitSignalled();

}  // namespace lunvale::platform
