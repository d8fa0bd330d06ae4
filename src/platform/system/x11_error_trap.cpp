// SPDX-License-Identifier: MIT
#include "platform/system/x11_error_trap.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace lunvale::platform {

namespace {

// The connections under a trap, with how many traps hold each and the errors counted on it. The handler
// is ours while any trap lives, on whichever thread.
struct Trapped {
  ::Display* display;
  int traps;
  unsigned long errors;
};
std::mutex g_mutex;
std::vector<Trapped> g_trapped;
int g_traps = 0;
XErrorHandler g_previous = nullptr;

Trapped* Find(::Display* display) {
  const auto it = std::find_if(g_trapped.begin(), g_trapped.end(),
                               [display](const Trapped& t) { return t.display == display; });
  return it == g_trapped.end() ? nullptr : &*it;
}

// Runs on the thread that reads the failed request's answer, never under the mutex.
int TrapError(::Display* display, XErrorEvent* event) {
  XErrorHandler previous;
  {
    std::lock_guard lock(g_mutex);
    if (Trapped* t = Find(display)) {
      ++t->errors;
      return 0;
    }
    previous = g_previous;
  }
  return previous != nullptr ? previous(display, event) : 0;
}

}  // namespace

X11ErrorTrap::X11ErrorTrap(::Display* display) : display_(display) {
  std::lock_guard lock(g_mutex);
  if (g_traps++ == 0) g_previous = XSetErrorHandler(TrapError);
  Trapped* t = Find(display);
  if (t == nullptr) t = &g_trapped.emplace_back(Trapped{display, 0, 0});
  ++t->traps;
  start_ = t->errors;
}

X11ErrorTrap::~X11ErrorTrap() {
  // Errors of requests still unanswered come in before the handler goes; none are when the last
  // request made is the last one the server is known to have dealt with (a Failed() just before).
  if (NextRequest(display_) - 1 != LastKnownRequestProcessed(display_)) XSync(display_, False);
  std::lock_guard lock(g_mutex);
  if (Trapped* t = Find(display_); t != nullptr && --t->traps == 0) {
    *t = g_trapped.back();
    g_trapped.pop_back();
  }
  if (--g_traps == 0) XSetErrorHandler(g_previous);
}

bool X11ErrorTrap::Failed() {
  XSync(display_, False);
  std::lock_guard lock(g_mutex);
  const Trapped* t = Find(display_);
  return t != nullptr && t->errors != start_;
}

}  // namespace lunvale::platform
