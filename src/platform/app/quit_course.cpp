// SPDX-License-Identifier: MIT
#include "platform/app/quit_course.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"

namespace lunvale::platform {

namespace {

std::atomic<bool> g_signalled{false};
std::atomic<int> g_runs{0};  // live QuitSignalsScopes: a message loop serves quit requests

// The exit sequence normally takes a few tens of milliseconds; one that hangs (a device, a server that
// stopped answering) must not keep the host waiting for the saver to go.
constexpr std::chrono::milliseconds kExitDeadline{150};

}  // namespace

void quit_course::Mark() {
  g_signalled.store(true);
}

void quit_course::End() {
  // Without a run no loop would serve the request: a message box, the settings dialog or the
  // preview's wait. Nothing of theirs needs saving, and a box has nobody to answer it.
  if (g_runs.load() == 0) std::_Exit(0);
  Application::Instance().QueueQuitRequest();
  std::this_thread::sleep_for(kExitDeadline);
  std::_Exit(0);
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
