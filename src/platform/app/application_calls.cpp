// SPDX-License-Identifier: MIT
// The parts of Application that every platform shares: the instance, the main-thread call queue,
// Synchronize, quit requests, activation and the loop's order of work. How the loop takes events and
// waits is the platform's (application.cpp, application_win32.cpp).
#include <memory>

#include "platform/app/application.h"
#include "platform/display/presenter.h"

namespace lunvale::platform {

MainThreadCalls Application::DisplayCalls() {
  return MainThreadCalls{[](std::function<void()> call) { Instance().QueueCall(std::move(call)); },
                         [] { Instance().QueueQuitRequest(); },
                         {}};
}

Application& Application::Instance() {
  // Never destroyed: threads that outlive the run (the quit-signal watcher, a fetcher being let go)
  // may still queue calls while the process exits, and must not meet a destroyed queue.
  static Application* app = new Application();
  return *app;
}

Application::Application() : main_thread_(std::this_thread::get_id()) {}

void Application::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  const Notify& handler = active ? on_activate_ : on_deactivate_;
  if (handler) {
    Notify call = handler;  // the handler may replace itself
    call();
  }
}

void Application::Run() {
  while (!terminated_) {
    bool handled = HandlePending();
    if (RunQueuedCalls()) handled = true;
    if (terminated_) break;
    if (handled) continue;
    bool done = true;
    if (on_idle_) on_idle_(done);
    if (done && !terminated_) {
      {
        // Calls queued before this point are seen here; later ones wake the wait.
        std::lock_guard lock(queue_mutex_);
        if (!queue_.empty()) continue;
      }
      AwaitNext();
    }
  }
  CloseQueue();
}

bool Application::RunQueuedCalls() {
  std::deque<std::function<void()>> calls;
  {
    std::lock_guard lock(queue_mutex_);
    calls.swap(queue_);
  }
  for (auto& call : calls) call();
  if (!calls.empty()) {
    std::lock_guard lock(queue_mutex_);
    queue_done_.notify_all();
  }
  return !calls.empty();
}

void Application::CloseQueue() {
  std::deque<std::function<void()>> orphans;
  std::lock_guard lock(queue_mutex_);
  closed_ = true;
  orphans.swap(queue_);
  queue_done_.notify_all();
}

void Application::Terminate() {
  terminated_ = true;
  {
    std::lock_guard lock(queue_mutex_);
    queue_done_.notify_all();
  }
  Wake();
}

bool Application::RunQuitRequest() {
  if (!on_quit_request_) return false;
  Notify handler = on_quit_request_;
  handler();
  return true;
}

void Application::QueueQuitRequest() {
  QueueCall([this] {
    if (!RunQuitRequest()) Terminate();
  });
}

void Application::QueueCall(std::function<void()> call) {
  {
    std::lock_guard lock(queue_mutex_);
    if (closed_) return;
    queue_.push_back(std::move(call));
    queue_done_.notify_all();
  }
  Wake();
}

bool Application::Synchronize(const std::function<void()>& call) {
  if (IsMainThread()) {
    call();
    return true;
  }
  auto done = std::make_shared<bool>(false);
  {
    std::lock_guard lock(queue_mutex_);
    if (closed_) return false;
  }
  QueueCall([call, done, this] {
    call();
    std::lock_guard lock(queue_mutex_);
    *done = true;
  });
  std::unique_lock lock(queue_mutex_);
  queue_done_.wait(lock, [&] { return *done || closed_; });
  return *done;
}

}  // namespace lunvale::platform
