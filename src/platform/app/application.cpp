#include "platform/app/application.h"

#include <SDL.h>

#include <cstdlib>
#include <stdexcept>

namespace lunvale::platform {

Application& Application::Instance() {
  static Application app;
  return app;
}

Application::Application() : main_thread_(std::this_thread::get_id()) {}

void Application::Initialize() {
  if (initialized_) return;
  // Without any display named there is nothing to try, and SDL's attempts only print complaints.
  const char* x_display = std::getenv("DISPLAY");
  const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
  if ((x_display == nullptr || *x_display == '\0') &&
      (wayland_display == nullptr || *wayland_display == '\0')) {
    throw std::runtime_error("Cannot open the display: no display is set (DISPLAY)");
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(std::string("Cannot open the display: ") + SDL_GetError());
  }
  // The saver's windows must not be left running when the focus moves; SDL would otherwise minimise
  // a full-screen window on focus loss behind our back.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  wake_event_ = SDL_RegisterEvents(1);
  main_thread_ = std::this_thread::get_id();
  initialized_ = true;
  {
    std::lock_guard lock(queue_mutex_);
    closed_ = false;
  }
}

int Application::AddEventSink(EventSink sink) {
  int id = next_sink_++;
  sinks_.emplace(id, std::move(sink));
  return id;
}

void Application::RemoveEventSink(int id) {
  sinks_.erase(id);
}

void Application::Dispatch(const SDL_Event& event) {
  if (event.type == wake_event_) return;  // only there to end a wait; the queue is run below
  if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && !active_) {
      active_ = true;
      if (on_activate_) on_activate_();
    } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST && active_) {
      active_ = false;
      if (on_deactivate_) on_deactivate_();
    }
  }
  // A sink may remove itself or others while it runs: walk a snapshot of the ids.
  std::vector<int> ids;
  ids.reserve(sinks_.size());
  for (const auto& [id, sink] : sinks_) ids.push_back(id);
  for (int id : ids) {
    auto it = sinks_.find(id);
    if (it != sinks_.end()) {
      EventSink sink = it->second;
      sink(event);
    }
  }
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

void Application::ProcessMessages() {
  if (initialized_) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Dispatch(event);
  }
  RunQueuedCalls();
}

void Application::Run() {
  while (!terminated_) {
    bool handled = false;
    if (initialized_) {
      SDL_Event event;
      while (!terminated_ && SDL_PollEvent(&event)) {
        Dispatch(event);
        handled = true;
      }
    }
    if (RunQueuedCalls()) handled = true;
    if (terminated_) break;
    if (handled) continue;
    bool done = true;
    if (on_idle_) on_idle_(done);
    if (done && !terminated_) {
      {
        // Calls queued before this point are seen here; later ones post a wake-up event.
        std::lock_guard lock(queue_mutex_);
        if (!queue_.empty()) continue;
      }
      if (initialized_) {
        SDL_Event event;
        if (SDL_WaitEvent(&event)) Dispatch(event);
      } else {
        std::unique_lock lock(queue_mutex_);
        queue_done_.wait(lock, [this] { return !queue_.empty() || terminated_; });
      }
    }
  }
  std::deque<std::function<void()>> orphans;
  {
    std::lock_guard lock(queue_mutex_);
    closed_ = true;
    orphans.swap(queue_);
    queue_done_.notify_all();
  }
}

void Application::Terminate() {
  terminated_ = true;
  std::lock_guard lock(queue_mutex_);
  queue_done_.notify_all();
}

void Application::QueueCall(std::function<void()> call) {
  {
    std::lock_guard lock(queue_mutex_);
    if (closed_) return;
    queue_.push_back(std::move(call));
    queue_done_.notify_all();
  }
  if (initialized_ && wake_event_ != 0) {
    SDL_Event wake{};
    wake.type = wake_event_;
    SDL_PushEvent(&wake);
  }
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
