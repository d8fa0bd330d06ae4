// SPDX-License-Identifier: MIT
#include "platform/app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <thread>

#include "platform/app/quit_course.h"

namespace lunvale::platform {

namespace {

int g_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the flag and one byte into the pipe; the watcher does the rest.
void OnQuitSignal(int signo) {
  const int saved = errno;
  quit_course::Mark();
  const char byte = static_cast<char>(signo);
  [[maybe_unused]] ssize_t n = write(g_pipe[1], &byte, 1);
  errno = saved;
}

void WatchPipe() {
  for (;;) {
    char byte = 0;
    const ssize_t n = read(g_pipe[0], &byte, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    quit_course::End();
  }
}

}  // namespace

void InstallQuitSignals() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (pipe2(g_pipe, O_CLOEXEC) != 0) return;
    // The watcher lives as long as the process: it only ever waits on the pipe.
    std::thread(WatchPipe).detach();
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : {SIGTERM, SIGINT, SIGHUP}) sigaction(signo, &action, nullptr);
  });
}

}  // namespace lunvale::platform
