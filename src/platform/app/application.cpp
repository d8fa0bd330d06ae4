// SPDX-License-Identifier: MIT
#include "platform/app/application.h"

#include <SDL.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <chrono>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/system/x11_window.h"

namespace lunvale::platform {

namespace {

bool Named(const char* value) {
  return value != nullptr && *value != '\0';
}

// Whether the driver SDL would use only because a test asked for it by name.
bool HeadlessDriverAsked() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  return Named(driver) && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool HeadlessDriver(const char* driver) {
  return driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

// A Wayland compositor listens on $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY (or on an absolute path).
bool CanReachWayland() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (!Named(name)) return false;
  std::string path = name;
  if (path[0] != '/') {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!Named(runtime)) return false;
    path = std::string(runtime) + "/" + path;
  }
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

[[noreturn]] void ThrowCannotOpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  throw std::runtime_error(std::string("Cannot open display \"") + (name != nullptr ? name : "") + "\"");
}

}  // namespace

bool DisplayReachable(bool x11Only) {
  if (HeadlessDriverAsked()) return true;
  if (Named(std::getenv("DISPLAY")) && CanOpenDefaultDisplay()) return true;
  return !x11Only && CanReachWayland();
}

void RequireDisplay(bool x11Only) {
  if (!DisplayReachable(x11Only)) ThrowCannotOpenDisplay();
}

void Application::Initialize() {
  if (initialized_) return;
  RequireDisplay();
  // The desktop's own blanking and power saving go on while the saver shows: SDL would switch them off.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Quit signals are ours (platform/app/quit_signals.h); SDL's handlers would turn them into an event
  // that nothing reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(std::string("Cannot open the display: ") + SDL_GetError());
  }
  // SDL falls back to drawing into memory when the display it tried fails; nobody would see the saver.
  if (HeadlessDriver(SDL_GetCurrentVideoDriver()) && !HeadlessDriverAsked()) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    ThrowCannotOpenDisplay();
  }
  // The saver's windows must not be left running when the focus moves; SDL would otherwise minimise
  // a full-screen window on focus loss behind our back.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  wake_ = SDL_RegisterEvents(1);
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
  if (event.type == wake_) return;  // only there to end a wait; the queue is run below
  if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SetActive(true);
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) SetActive(false);
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

void Application::ProcessMessages() {
  if (initialized_) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Dispatch(event);
  }
  RunQueuedCalls();
  if (foreign_pump_) foreign_pump_();
}

bool Application::HandlePending() {
  bool handled = false;
  if (initialized_) {
    SDL_Event event;
    while (!terminated_ && SDL_PollEvent(&event)) {
      Dispatch(event);
      handled = true;
    }
  }
  return handled;
}

void Application::AwaitNext() {
  if (initialized_ && !sinks_.empty()) {
    SDL_Event event;
    if (SDL_WaitEvent(&event)) Dispatch(event);
    return;
  }
  // Without a window SDL can wait only by polling every millisecond, and with no window no SDL
  // event needs a prompt answer (a host's window reaches us through queued calls): wait for the
  // queue, and let SDL look at its events a few times a second.
  std::unique_lock lock(queue_mutex_);
  const auto ready = [this] { return !queue_.empty() || terminated_; };
  if (initialized_)
    queue_done_.wait_for(lock, std::chrono::milliseconds(100), ready);
  else
    queue_done_.wait(lock, ready);
}

void Application::Wake() {
  const uintptr_t type = wake_;
  if (!initialized_ || type == 0) return;
  SDL_Event wake{};
  wake.type = static_cast<uint32_t>(type);
  SDL_PushEvent(&wake);
}

}  // namespace lunvale::platform
