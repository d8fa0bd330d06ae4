// SPDX-License-Identifier: MIT
#pragma once

// platform/app: the application and its forms: the message loop, the component model, forms, keys,
// the cursor, message boxes, the default error report, opening addresses and loading libraries.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

union SDL_Event;

namespace lunvale::platform {
struct MainThreadCalls;
}

namespace lunvale::platform {

// Throws std::runtime_error "Cannot open display "<DISPLAY>"" unless a real display answers: the X
// display (or, unless x11Only, a Wayland compositor). SDL's offscreen and dummy drivers count only when
// SDL_VIDEODRIVER asks for them, as tests do; a saver nobody can see must not run.
void RequireDisplay(bool x11Only = false);
bool DisplayReachable(bool x11Only = false);

// The application object: the message loop (over SDL's event queue on Linux, the thread's message
// queue on Windows), with the idle, activate and deactivate events, a queue of calls to run on the main
// thread, and the process-messages-once call that long waits use to keep the windows served. One
// instance per process, used on the main thread except where a member says otherwise.
class Application {
 public:
  using IdleHandler = std::function<void(bool& done)>;
  using Notify = std::function<void()>;
  using EventSink = std::function<void(const SDL_Event&)>;

  static Application& Instance();
  // How a display reaches the main thread through this object: its call queue and its quit request.
  static MainThreadCalls DisplayCalls();

  // Starts SDL's video and events. Throws std::runtime_error when no real display can be reached
  // (RequireDisplay) or with SDL's text when it cannot start. On Windows the desktop is always there
  // and nothing needs starting.
  void Initialize();
  bool Initialized() const { return initialized_; }

  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Title() const { return title_; }

  // Runs the loop until Terminate(): handles every pending event and queued call; when none is left,
  // calls the idle handler, and sleeps until the next event unless the handler cleared `done`.
  void Run();
  // Handles the events and queued calls pending now, and those of another toolkit through the pump set
  // with SetForeignEventPump, without waiting and without the idle handler.
  void ProcessMessages();
  // Another toolkit's windows (the settings dialog's) that must stay served while a long wait calls
  // ProcessMessages: `pump` handles that toolkit's pending events without waiting. Main thread.
  void SetForeignEventPump(Notify pump) { foreign_pump_ = std::move(pump); }
  void Terminate();
  bool Terminated() const { return terminated_; }

  void SetOnIdle(IdleHandler handler) { on_idle_ = std::move(handler); }
  bool HasIdleHandler() const { return static_cast<bool>(on_idle_); }
  void SetOnActivate(Notify handler) { on_activate_ = std::move(handler); }
  void SetOnDeactivate(Notify handler) { on_deactivate_ = std::move(handler); }
  // What a quit request (a quit signal) does on the main thread: the running mode's exit path. Without
  // a handler the loop just ends.
  void SetOnQuitRequest(Notify handler) { on_quit_request_ = std::move(handler); }
  // Any thread: queues a quit request for the main thread.
  void QueueQuitRequest();
  // Main thread: runs the quit request handler now, as a window asked to close by the system does.
  // Returns false when no handler is set.
  bool RunQuitRequest();

  // The platform's windows report here when the application gains or loses the focus; OnActivate and
  // OnDeactivate run once per change.
  void SetActive(bool active);

  // Linux: SDL windows register here to receive the events of their window. Returns an id for removal.
  // Windows' own windows get their messages through their window procedure instead.
  int AddEventSink(EventSink sink);
  void RemoveEventSink(int id);

  // Any thread: runs `call` on the main thread at its next turn of the loop.
  void QueueCall(std::function<void()> call);
  // Any thread: runs `call` on the main thread and waits until it has run. On the main thread it runs
  // at once. Returns false without running it when the loop has ended and nothing will serve it.
  bool Synchronize(const std::function<void()>& call);

  bool IsMainThread() const { return std::this_thread::get_id() == main_thread_; }

 private:
  Application();
  void Dispatch(const SDL_Event& event);
  bool RunQueuedCalls();
  // The loop's platform halves: handles the pending events or messages (true when there were any),
  // and sleeps until the next one or the next queued call.
  bool HandlePending();
  void AwaitNext();
  // Ends a wait of the loop for its next event or message; any thread.
  void Wake();
  // After the loop: later calls are refused, and a Synchronize waiting for one returns false.
  void CloseQueue();

  std::atomic<bool> initialized_ = false;
  std::atomic<bool> terminated_ = false;
  std::string title_;
  std::thread::id main_thread_;
  IdleHandler on_idle_;
  Notify on_activate_;
  Notify on_deactivate_;
  Notify on_quit_request_;
  Notify foreign_pump_;
  std::map<int, EventSink> sinks_;
  int next_sink_ = 1;
  bool active_ = false;
  // Linux: SDL's registered event type that wakes the loop (Windows' loop waits on an event object).
  std::atomic<uintptr_t> wake_ = 0;

  std::mutex queue_mutex_;
  std::condition_variable queue_done_;
  std::deque<std::function<void()>> queue_;
  bool closed_ = false;
};

}  // namespace lunvale::platform
