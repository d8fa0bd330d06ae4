// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::platform {

// SIGTERM, SIGINT and SIGHUP: how session managers and screen-saver hosts stop a saver. Once installed,
// they end the process with status 0 at once, unless a run (QuitSignalsScope) is live: then the
// main thread is asked, through its call queue, to run the quit request handler
// (Application::SetOnQuitRequest), which takes the mode's normal exit path, and the process ends with
// status 0 150 ms after the signal whether that path has finished or not.
// Safe to call more than once; the handlers stay for the process's lifetime.
void InstallQuitSignals();

// For the life of a run whose message loop serves quit requests. Afterwards the quit request handler
// is gone, and a signal ends the process at once: an error report shown after a failed run never
// keeps a host waiting.
class QuitSignalsScope {
 public:
  QuitSignalsScope();
  ~QuitSignalsScope();
  QuitSignalsScope(const QuitSignalsScope&) = delete;
  QuitSignalsScope& operator=(const QuitSignalsScope&) = delete;
};

// A quit signal has arrived since the process started. Loops that do not run the application's message
// loop (the preview's wait) look at it.
bool QuitSignalled();

}  // namespace lunvale::platform
