// SPDX-License-Identifier: MIT
#include "platform/display/other_screens.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/display/scaling.h"
#include "platform/display/x11_output.h"

namespace lunvale::platform {

namespace {

// As on the saver's own window: a pointer that moves more than this between two events ends the run.
constexpr int kPointerSlack = 5;

// The windows on the other screens, on a connection of their own: closing it takes them away.
class OtherScreens {
 public:
  OtherScreens(::Display* display, MainThreadCalls calls) : display_(display), calls_(std::move(calls)) {}
  ~OtherScreens() {
    if (watch_.joinable()) {
      {
        std::lock_guard lock(mutex_);
        stop_ = true;
      }
      woken_.notify_one();
      const uint64_t one = 1;
      [[maybe_unused]] ssize_t n = write(stop_fd_, &one, sizeof one);
      watch_.join();
    }
    if (stop_fd_ >= 0) close(stop_fd_);
    // The outputs' connections draw into our windows: they go before the windows do.
    screens_.clear();
    XCloseDisplay(display_);
  }

  // A window on every screen but `skip`; false when none could be made. `views`: what each of their
  // monitors shows, screen by screen (a screen that lists none counts as one); empty: the whole frame.
  bool Open(int skip, const std::vector<FrameView>& views) {
    {
      X11ErrorTrap trap(display_);
      for (int s = 0; s < ScreenCount(display_); ++s) {
        if (s == skip) continue;
        const Window w = MakeWindow(s);
        if (w != 0) {
          XMapRaised(display_, w);
          screens_.push_back(Screen{w, RootWindow(display_, s), nullptr, false});
        }
      }
      // The windows must be known to the server before the outputs' connections look at them.
      if (trap.Failed()) return false;
    }
    size_t next = 0;
    for (Screen& screen : screens_) {
      std::string error;
      std::vector<RECT> monitors = ListX11Monitors(display_, screen.root);
      const size_t count = std::max<size_t>(monitors.size(), 1);
      std::vector<FrameView> shown;
      if (next + count <= views.size()) shown.assign(views.begin() + next, views.begin() + next + count);
      next += count;
      // A screen whose output cannot be opened stays covered in black; its input still counts.
      screen.output = OpenX11Output(screen.window, std::move(monitors), std::move(shown), error);
    }
    if (screens_.empty()) return false;
    // The frames stop while the application is inactive, as it is when another screen has the focus:
    // the input is read whenever it comes. Without the watch the frames still read it.
    stop_fd_ = eventfd(0, EFD_CLOEXEC);
    if (stop_fd_ >= 0)
      watch_ = std::thread(
          [this, fd = ConnectionNumber(display_), token = std::weak_ptr<int>(token_)] { Watch(fd, token); });
    return true;
  }

  void Follow() {
    ReadInput();
    for (Screen& screen : screens_) {
      // A window someone else took away leaves its screen as it is; the run goes on.
      if (screen.gone) screen.output.reset();
      if (screen.output) screen.output->Follow();
    }
  }

  bool WantsWhole() const {
    for (const Screen& screen : screens_)
      if (screen.output && screen.output->WantsWhole()) return true;
    return false;
  }

  void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) {
    for (Screen& screen : screens_)
      if (screen.output) screen.output->Draw(frame, changed, lut);
  }

  void Collect() {
    for (Screen& screen : screens_)
      if (screen.output) screen.output->Collect();
  }

  // Outside the lock the outputs stay: a gone one goes with the next Follow.
  void Flush() {
    for (Screen& screen : screens_)
      if (screen.output && !screen.gone) screen.gone = !screen.output->Flush();
  }

 private:
  struct Screen {
    Window window;
    Window root;
    std::unique_ptr<FrameOutput> output;
    bool gone = false;
  };

  Window MakeWindow(int s) {
    const Window root = RootWindow(display_, s);
    XSetWindowAttributes attrs{};
    unsigned long mask = CWOverrideRedirect | CWBackPixel | CWBorderPixel | CWCursor | CWEventMask;
    Visual* visual = DefaultVisual(display_, s);
    int depth = DefaultDepth(display_, s);
    attrs.background_pixel = BlackPixel(display_, s);
    // The outputs draw in true colour only: a screen whose default visual is not gets its deepest
    // true-colour visual, and without one a black window all the same.
    if (visual->c_class != TrueColor) {
      XVisualInfo want{};
      want.screen = s;
      want.c_class = TrueColor;
      int count = 0;
      XVisualInfo* found = XGetVisualInfo(display_, VisualScreenMask | VisualClassMask, &want, &count);
      const XVisualInfo* best = nullptr;
      for (int i = 0; i < count; ++i)
        if (best == nullptr || found[i].depth > best->depth) best = &found[i];
      if (best != nullptr) {
        visual = best->visual;
        depth = best->depth;
        attrs.colormap = XCreateColormap(display_, root, visual, AllocNone);
        attrs.background_pixel = 0;  // black in true colour
        mask |= CWColormap;
      }
      if (found != nullptr) XFree(found);
    }
    attrs.override_redirect = True;
    attrs.border_pixel = 0;
    attrs.cursor = InvisibleCursor(root);
    attrs.event_mask = KeyPressMask | ButtonPressMask | PointerMotionMask | EnterWindowMask;
    const Window window = XCreateWindow(
        display_, root, 0, 0, static_cast<unsigned>(DisplayWidth(display_, s)),
        static_cast<unsigned>(DisplayHeight(display_, s)), 0, depth, InputOutput, visual, mask, &attrs);
    // No window manager installs the colour map of a visual of our own: the screen shows it as ours.
    if (mask & CWColormap) XInstallColormap(display_, attrs.colormap);
    return window;
  }

  Cursor InvisibleCursor(Window root) {
    char bits = 0;
    const Pixmap blank = XCreateBitmapFromData(display_, root, &bits, 1, 1);
    XColor black{};
    const Cursor cursor = XCreatePixmapCursor(display_, blank, blank, &black, &black, 0, 0);
    XFreePixmap(display_, blank);
    return cursor;
  }

  // Watch thread: waits for the connection to have something and lets the main thread read it, one
  // reading at a time. Only the main thread talks to the server.
  void Watch(int fd, const std::weak_ptr<int>& token) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop_fd_, POLLIN, 0}};
    for (;;) {
      if (poll(fds, 2, -1) < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (fds[1].revents != 0) return;
      {
        std::lock_guard lock(mutex_);
        read_ = false;
      }
      // The call may run after we are gone: the token tells.
      calls_.post([this, token] {
        if (token.expired()) return;
        ReadInput();
        {
          std::lock_guard lock(mutex_);
          read_ = true;
        }
        woken_.notify_one();
      });
      std::unique_lock lock(mutex_);
      woken_.wait(lock, [this] { return read_ || stop_; });
      // A connection the server closed stays readable; the main thread has learnt of it by now.
      if (stop_ || (fds[0].revents & (POLLHUP | POLLERR)) != 0) return;
    }
  }

  // Main thread: takes what is queued without waiting. It sends nothing (a trap's sync would take in
  // events that the watch then never hears of), so nothing can fail.
  void ReadInput() {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      switch (event.type) {
        case KeyPress:
        case ButtonPress:
          Quit();
          break;
        case MotionNotify:
          Pointer(event.xmotion.root, event.xmotion.x_root, event.xmotion.y_root, true);
          break;
        case EnterNotify:
          // Where the pointer comes in is where its next movement is measured from.
          Pointer(event.xcrossing.root, event.xcrossing.x_root, event.xcrossing.y_root, false);
          break;
        default:
          break;
      }
    }
  }

  void Pointer(Window root, int x, int y, bool moved) {
    if (moved && root == last_root_ &&
        (std::abs(x - last_x_) > kPointerSlack || std::abs(y - last_y_) > kPointerSlack))
      Quit();
    last_root_ = root;
    last_x_ = x;
    last_y_ = y;
  }

  void Quit() {
    if (quit_) return;
    quit_ = true;
    if (calls_.quit) calls_.quit();
  }

  ::Display* display_;
  MainThreadCalls calls_;
  std::vector<Screen> screens_;
  Window last_root_ = 0;
  int last_x_ = 0;
  int last_y_ = 0;
  bool quit_ = false;
  std::shared_ptr<int> token_ = std::make_shared<int>(0);
  int stop_fd_ = -1;
  std::thread watch_;
  std::mutex mutex_;
  std::condition_variable woken_;
  bool read_ = false;
  bool stop_ = false;
};

// Each frame goes to the saver's own window and to the other screens; only the own window's end ends
// the run.
class AllScreensOutput : public FrameOutput {
 public:
  AllScreensOutput(std::unique_ptr<FrameOutput> main, std::unique_ptr<OtherScreens> others)
      : main_(std::move(main)), others_(std::move(others)) {}

  void Follow() override {
    main_->Follow();
    others_->Follow();
  }
  bool WantsWhole() const override { return main_->WantsWhole() || others_->WantsWhole(); }
  void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) override {
    main_->Draw(frame, changed, lut);
    others_->Draw(frame, changed, lut);
  }
  void Collect() override {
    main_->Collect();
    others_->Collect();
  }
  bool Flush() override {
    others_->Flush();
    return main_->Flush();
  }

 private:
  std::unique_ptr<FrameOutput> main_;
  std::unique_ptr<OtherScreens> others_;
};

}  // namespace

std::unique_ptr<FrameOutput> CoverOtherScreens(std::unique_ptr<FrameOutput> main, ::Display* display,
                                               unsigned long window, const MainThreadCalls& calls,
                                               const std::vector<FrameView>& views) {
  if (!main || display == nullptr || ScreenCount(display) < 2) return main;
  XWindowAttributes attrs{};
  {
    X11ErrorTrap trap(display);
    if (XGetWindowAttributes(display, window, &attrs) == 0 || trap.Failed() || attrs.screen == nullptr)
      return main;
  }
  ::Display* own = XOpenDisplay(DisplayString(display));
  if (own == nullptr) return main;
  auto others = std::make_unique<OtherScreens>(own, calls);
  if (!others->Open(XScreenNumberOfScreen(attrs.screen), views)) return main;
  return std::make_unique<AllScreensOutput>(std::move(main), std::move(others));
}

std::vector<std::pair<int, int>> OtherScreenOutputs() {
  std::vector<std::pair<int, int>> sizes;
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return sizes;
  for (int s = 0; s < ScreenCount(display); ++s) {
    if (s == DefaultScreen(display)) continue;
    const std::vector<RECT> monitors = ListX11Monitors(display, RootWindow(display, s));
    for (const RECT& m : monitors) sizes.emplace_back(m.right - m.left, m.bottom - m.top);
    if (monitors.empty()) sizes.emplace_back(DisplayWidth(display, s), DisplayHeight(display, s));
  }
  XCloseDisplay(display);
  return sizes;
}

}  // namespace lunvale::platform
