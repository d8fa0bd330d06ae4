// SPDX-License-Identifier: MIT
#include "support/test_x_server.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "support/process.h"

namespace lunvale::testing {

namespace {

// A busy server can turn a connection away for a moment; try for a few seconds before giving up.
Display* OpenDisplay() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (Display* d = XOpenDisplay(nullptr)) return d;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return nullptr;
}

}  // namespace

bool HaveDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  Display* d = OpenDisplay();
  if (d == nullptr) return false;
  XCloseDisplay(d);
  return true;
}

PrivateXServer::PrivateXServer(const std::string& geometry, const std::vector<std::string>& more_screens) {
  std::vector<std::string> argv{std::string(LUNVALE_SOURCE_DIR) + "/scripts/xvfb-start", "-screen", "0",
                                geometry};
  for (size_t i = 0; i < more_screens.size(); ++i)
    argv.insert(argv.end(), {"-screen", std::to_string(i + 1), more_screens[i]});
  process_ = std::make_unique<ChildProcess>(argv);
  // The server writes its display number once it takes connections.
  for (int i = 0; i < 200 && process_->Running(); ++i) {
    const std::string out = process_->Stdout();
    if (out.find('\n') != std::string::npos) {
      name_ = ":" + out.substr(0, out.find('\n'));
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

PrivateXServer::~PrivateXServer() = default;

std::string PrivateXServer::Stderr() const {
  return process_->Stderr();
}

TestWindow::TestWindow(int width, int height, uint32_t background) {
  display_ = OpenDisplay();
  if (display_ == nullptr) throw std::runtime_error("no X display");
  int screen = DefaultScreen(display_);
  id_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 10, 10, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, 0, background);
  XStoreName(display_, id_, "lunvale test window");
  XSync(display_, False);
}

TestWindow::~TestWindow() {
  Destroy();
  XCloseDisplay(display_);
}

void TestWindow::Map() {
  XMapRaised(display_, id_);
  XSync(display_, False);
}

void TestWindow::Resize(int width, int height) {
  XResizeWindow(display_, id_, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XSync(display_, False);
}

void TestWindow::Destroy() {
  if (id_ == 0) return;
  XDestroyWindow(display_, id_);
  XSync(display_, False);
  id_ = 0;
}

std::vector<uint32_t> TestWindow::Capture(int x, int y, int width, int height) {
  XSync(display_, False);
  XImage* image = XGetImage(display_, id_, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("XGetImage failed");
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      pixels.push_back(static_cast<uint32_t>(XGetPixel(image, col, row)) & 0xFFFFFF);
    }
  }
  XDestroyImage(image);
  return pixels;
}

namespace {

std::string WindowName(Display* d, Window w) {
  // Prefer the UTF-8 name that current toolkits set; fall back to the classic one.
  Atom net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(d, w, net_wm_name, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
          Success &&
      data != nullptr && type == utf8) {
    name.assign(reinterpret_cast<char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (name.empty()) {
    char* classic = nullptr;
    if (XFetchName(d, w, &classic) && classic != nullptr) {
      name = classic;
      XFree(classic);
    }
  }
  return name;
}

int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

// Depth-first search below `parent` for a viewable window named exactly `name`.
Window FindNamed(Display* d, Window parent, const std::string& name, int depth) {
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(d, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    XWindowAttributes attrs{};
    if (XGetWindowAttributes(d, children[i], &attrs) && attrs.map_state == IsViewable &&
        WindowName(d, children[i]) == name) {
      found = children[i];
    } else if (depth > 0) {
      found = FindNamed(d, children[i], name, depth - 1);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

std::optional<unsigned long> WaitForWindow(const std::string& name, std::chrono::milliseconds timeout) {
  Display* d = OpenDisplay();
  if (d == nullptr) return std::nullopt;
  auto previous = XSetErrorHandler(IgnoreErrors);  // windows may vanish while we look at them
  auto deadline = std::chrono::steady_clock::now() + timeout;
  Window found = 0;
  do {
    found = FindNamed(d, DefaultRootWindow(d), name, 2);
    if (found == 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
  } while (found == 0 && std::chrono::steady_clock::now() < deadline);
  XSetErrorHandler(previous);
  XCloseDisplay(d);
  if (found == 0) return std::nullopt;
  return found;
}

void SendKey(unsigned long window, const std::string& key) {
  const std::string id = std::to_string(window);
  RunAndCapture({"/usr/bin/xdotool", "windowfocus", "--sync", id}, std::chrono::seconds(5));
  RunAndCapture({"/usr/bin/xdotool", "key", "--clearmodifiers", key}, std::chrono::seconds(5));
}

std::optional<Geometry> WindowGeometry(unsigned long window) {
  int code = 0;
  std::string out =
      RunAndCapture({"/usr/bin/xwininfo", "-id", std::to_string(window)}, std::chrono::seconds(5), &code);
  if (code != 0) return std::nullopt;
  Geometry g;
  // xwininfo prints one "  Label: value" line per field.
  const auto field = [&](const char* label) {
    const std::string key = std::string(label) + ":";
    const size_t at = out.find(key);
    return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + key.size());
  };
  g.x = field("Absolute upper-left X");
  g.y = field("Absolute upper-left Y");
  g.width = field("Width");
  g.height = field("Height");
  g.viewable = out.find("Map State: IsViewable") != std::string::npos;
  return g;
}

std::vector<uint32_t> ScreenshotRoot(int& width, int& height, const std::string& png_path) {
  // import writes the picture; a PPM copy is easy to read back without another library.
  TempDir dir;
  const std::string ppm = dir.Path() + "/shot.ppm";
  RunAndCapture({"/usr/bin/import", "-window", "root", "-depth", "8", ppm}, std::chrono::seconds(20));
  if (!png_path.empty()) RunAndCapture({"/usr/bin/convert", ppm, png_path}, std::chrono::seconds(20));
  std::string data = ReadFile(ppm);
  int maxval = 0;
  int consumed = 0;
  if (std::sscanf(data.c_str(), "P6 %d %d %d%n", &width, &height, &maxval, &consumed) != 3 || maxval != 255) {
    width = height = 0;
    return {};
  }
  size_t offset = static_cast<size_t>(consumed) + 1;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (data.size() < offset + pixels.size() * 3) return {};
  for (size_t i = 0; i < pixels.size(); ++i) {
    auto r = static_cast<uint8_t>(data[offset + 3 * i]);
    auto g = static_cast<uint8_t>(data[offset + 3 * i + 1]);
    auto b = static_cast<uint8_t>(data[offset + 3 * i + 2]);
    pixels[i] = (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
  }
  return pixels;
}

}  // namespace lunvale::testing

namespace lunvale::testing {

std::vector<uint32_t> Crop(const std::vector<uint32_t>& shot, int width, int x, int y, int cw, int ch) {
  std::vector<uint32_t> out;
  out.reserve(static_cast<size_t>(cw) * static_cast<size_t>(ch));
  for (int row = y; row < y + ch; ++row)
    for (int col = x; col < x + cw; ++col) out.push_back(shot[static_cast<size_t>(row) * width + col]);
  return out;
}

bool WaitUntilLit(int x, int y, int width, int height, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    int w = 0, h = 0;
    const std::vector<uint32_t> shot = ScreenshotRoot(w, h);
    bool lit = w >= x + width && h >= y + height;
    for (int row = y; lit && row < y + height; ++row) {
      for (int col = x; lit && col < x + width; ++col) {
        const uint32_t p = shot[static_cast<size_t>(row) * w + col];
        lit = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) > 60;
      }
    }
    if (lit) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

bool SetMonitors(const std::string& display, const std::vector<Geometry>& monitors) {
  Display* d = XOpenDisplay(display.c_str());
  if (d == nullptr) return false;
  const Window root = DefaultRootWindow(d);
  XRRScreenResources* res = XRRGetScreenResources(d, root);
  if (res == nullptr || res->noutput < 1) {
    if (res != nullptr) XRRFreeScreenResources(res);
    XCloseDisplay(d);
    return false;
  }
  for (size_t i = 0; i < monitors.size(); ++i) {
    XRRMonitorInfo* m = XRRAllocateMonitor(d, i == 0 ? 1 : 0);
    m->name = XInternAtom(d, ("MONITOR" + std::to_string(i)).c_str(), False);
    m->x = monitors[i].x;
    m->y = monitors[i].y;
    m->width = monitors[i].width;
    m->height = monitors[i].height;
    m->mwidth = monitors[i].width * 254 / 960;  // 96 dpi
    m->mheight = monitors[i].height * 254 / 960;
    if (i == 0) m->outputs[0] = res->outputs[0];
    XRRSetMonitor(d, root, m);
    XRRFreeMonitors(m);
  }
  XRRFreeScreenResources(res);
  int count = 0;
  XRRMonitorInfo* now = XRRGetMonitors(d, root, True, &count);
  XRRFreeMonitors(now);
  XCloseDisplay(d);
  return count == static_cast<int>(monitors.size());
}

}  // namespace lunvale::testing
