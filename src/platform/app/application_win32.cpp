// SPDX-License-Identifier: MIT
// Windows: Application's loop over the main thread's message queue. The queue of calls, Synchronize
// and quit requests are shared with Linux (application_calls.cpp); calls queued from other threads
// wake the loop through an event it waits on beside the messages, so no wake-up is lost to a modal
// loop that drops thread messages.
#include "platform/app/application.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

HANDLE WakeEvent() {
  // Auto-reset: one wait consumes one wake-up, and a wake-up that comes before the wait is kept.
  static const HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  return event;
}

}  // namespace

// A desktop is always there for a Windows module.
bool DisplayReachable(bool /*x11Only*/) {
  return true;
}

void RequireDisplay(bool /*x11Only*/) {}

void Application::Initialize() {
  if (initialized_) return;
  main_thread_ = std::this_thread::get_id();
  initialized_ = true;
  std::lock_guard lock(queue_mutex_);
  closed_ = false;
}

void Application::Wake() {
  if (HANDLE event = WakeEvent()) ::SetEvent(event);
}

void Application::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      Terminate();
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  RunQueuedCalls();
  if (foreign_pump_) foreign_pump_();
}

bool Application::HandlePending() {
  bool handled = false;
  MSG msg;
  while (!terminated_ && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      Terminate();
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    handled = true;
  }
  return handled;
}

void Application::AwaitNext() {
  // Input already in the queue but not yet removed ends the wait too (MWMO_INPUTAVAILABLE).
  // Without the event (the system refused one) the queue is looked at a few times a second.
  HANDLE event = WakeEvent();
  ::MsgWaitForMultipleObjectsEx(event != nullptr ? 1 : 0, event != nullptr ? &event : nullptr,
                                event != nullptr ? INFINITE : 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace lunvale::platform
