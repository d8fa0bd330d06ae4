// SPDX-License-Identifier: MIT
#include "platform/system/x11_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <vector>

#include "platform/pixels/pixels.h"
#include "platform/system/x11_error_trap.h"

namespace lunvale::platform {

X11Window::X11Window(unsigned long id) : id_(id) {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return;
  X11ErrorTrap trap(display_);
  XSelectInput(display_, id_, StructureNotifyMask);
  (void)trap.Failed();
}

X11Window::~X11Window() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

std::optional<std::pair<int, int>> X11Window::Size() {
  if (display_ == nullptr) return std::nullopt;
  X11ErrorTrap trap(display_);
  XWindowAttributes attrs{};
  Status ok = XGetWindowAttributes(display_, id_, &attrs);
  if (trap.Failed() || ok == 0) return std::nullopt;
  return std::pair{attrs.width, attrs.height};
}

WindowState X11Window::State() {
  if (display_ == nullptr) return WindowState::kMissing;
  X11ErrorTrap trap(display_);
  XWindowAttributes attrs{};
  Status ok = XGetWindowAttributes(display_, id_, &attrs);
  if (trap.Failed() || ok == 0) return WindowState::kMissing;
  return attrs.map_state == IsViewable ? WindowState::kViewable : WindowState::kHidden;
}

void X11Window::WaitForEvents(int timeout_ms) {
  if (display_ == nullptr) return;
  if (XPending(display_) == 0) {
    pollfd fd{ConnectionNumber(display_), POLLIN, 0};
    poll(&fd, 1, timeout_ms);
  }
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
  }
}

bool X11Window::PutPixels(const PixelView& pixels, int x, int y) {
  if (display_ == nullptr || pixels.Empty()) return false;
  X11ErrorTrap trap(display_);
  XWindowAttributes attrs{};
  if (XGetWindowAttributes(display_, id_, &attrs) == 0 || trap.Failed()) return false;
  Visual* visual = attrs.visual;
  if (visual == nullptr || visual->c_class != TrueColor) return false;

  XImage* image =
      XCreateImage(display_, visual, static_cast<unsigned>(attrs.depth), ZPixmap, 0, nullptr,
                   static_cast<unsigned>(pixels.width), static_cast<unsigned>(pixels.height), 32, 0);
  if (image == nullptr) return false;
  std::vector<char> data(static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(pixels.height));
  image->data = data.data();
  const VisualLayout layout(visual->red_mask, visual->green_mask, visual->blue_mask);
  for (int row = 0; row < pixels.height; ++row) {
    const uint32_t* src = pixels.Row(row);
    for (int col = 0; col < pixels.width; ++col) XPutPixel(image, col, row, layout.Pack(src[col]));
  }
  GC gc = XCreateGC(display_, id_, 0, nullptr);
  XPutImage(display_, id_, gc, image, 0, 0, x, y, static_cast<unsigned>(pixels.width),
            static_cast<unsigned>(pixels.height));
  XFreeGC(display_, gc);
  image->data = nullptr;  // owned by `data`
  XDestroyImage(image);
  return !trap.Failed();
}

bool CanOpenDefaultDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

WindowState QueryWindowState(unsigned long id) {
  X11Window window(id);
  return window.State();
}

std::optional<std::pair<int, int>> QueryWindowSize(unsigned long id) {
  X11Window window(id);
  return window.Size();
}

}  // namespace lunvale::platform
