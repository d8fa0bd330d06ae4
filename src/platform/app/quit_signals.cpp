// SPDX-License-Identifier: MIT
#include "platform/app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <thread>

#include "platform/app/application.h"

namespace lunvale::platform {

namespace {

std::atomic<bool> g_signalled{false};
std::atomic<int> g_runs{0};  // live QuitSignalsScopes: a message loop serves quit requests
int g_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the flag and one byte into the pipe; the watcher does the rest.
void OnQuitSignal(int signo) {
  const int saved = errno;
  g_signalled.store(true);
  const char byte = static_cast<char>(signo);
  [[maybe_unused]] ssize_t n = write(g_pipe[1], &byte, 1);
  errno = saved;
}

// The exit sequence normally takes a few tens of milliseconds; one that hangs (a device, a server that
// stopped answering) must not keep the host waiting for the saver to go.
constexpr std::chrono::milliseconds kExitDeadline{150};

void WatchPipe() {
  for (;;) {
    char byte = 0;
    const ssize_t n = read(g_pipe[0], &byte, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    // Without a run no loop would serve the request: a message box, the settings dialog or the
    // preview's wait. Nothing of theirs needs saving, and a box has nobody to answer it.
    if (g_runs.load() == 0) _exit(0);
    Application::Instance().QueueQuitRequest();
    std::this_thread::sleep_for(kExitDeadline);
    _exit(0);
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
