#pragma once

namespace lunvale::platform {

// SIGTERM, SIGINT and SIGHUP: how session managers and screen-saver hosts stop a saver. Once installed,
// each of them marks a quit request and asks the application's main thread, through its call queue, to
// run the quit request handler (Application::SetOnQuitRequest), which takes the mode's normal exit path.
// Safe to call more than once; the handlers stay for the process's lifetime.
void InstallQuitSignals();

// A quit signal has arrived since the process started. Loops that do not run the application's message
// loop (the preview's wait) look at it.
bool QuitSignalled();

}  // namespace lunvale::platform
