// SPDX-License-Identifier: MIT
// The Windows build's sdl_display.cpp: the display shows itself in the form's window, made borderless,
// topmost and as large as the bounding box of every monitor (or of the one asked for), each monitor's
// part showing its view; a screen-saver host's window takes the place of the form's. Frames reach the
// window through GDI (gdi_output_win32.h). The real display mode never changes.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/display/gdi_output_win32.h"
#include "platform/display/native_display.h"
#include "platform/display/presented_display.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

namespace {

struct Monitor {
  RECT area;  // in desktop coordinates
  std::string device;
  std::string description;
};

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
  MONITORINFOEXA info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoA(handle, &info)) return TRUE;
  const ::RECT& r = info.rcMonitor;
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  Monitor monitor{RECT{r.left, r.top, r.right, r.bottom}, info.szDevice, {}};
  DISPLAY_DEVICEA device{};
  device.cb = sizeof(device);
  monitor.description =
      ::EnumDisplayDevicesA(info.szDevice, 0, &device, 0) ? device.DeviceString : info.szDevice;
  auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
  // The primary monitor first, as the desktop counts them; the others in the system's order.
  if (info.dwFlags & MONITORINFOF_PRIMARY)
    monitors.insert(monitors.begin(), std::move(monitor));
  else
    monitors.push_back(std::move(monitor));
  return TRUE;
}

std::vector<Monitor> ListMonitors() {
  std::vector<Monitor> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

class GdiDirectDraw : public PresentedDirectDraw {
 public:
  // `display`: the monitor asked for, or -1 for the primary display, which covers every monitor.
  GdiDirectDraw(int display, MainThreadCalls calls, unsigned long host_window, std::vector<FrameView> views)
      : PresentedDirectDraw(std::move(calls)),
        display_(display),
        host_window_(host_window),
        views_(std::move(views)) {}

  HRESULT SetCooperativeLevel(NativeWindow* native, uint32_t flags) override {
    if (flags != (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) return DDERR_INVALIDPARAMS;
    // A host's window takes the place of the form's, which then has none.
    if (host_window_ != 0)
      native = nullptr;
    else if (native == nullptr)
      return DDERR_INVALIDPARAMS;
    if (Presenting()) return PresentedWindow() == native ? DD_OK : DDERR_INVALIDPARAMS;
    std::string error;
    std::unique_ptr<FrameOutput> output;
    if (host_window_ != 0) {
      output = OpenGdiOutput(host_window_, {}, views_, error, ResizedOnMainThread());
    } else {
      HWND window = reinterpret_cast<HWND>(native);
      if (!::IsWindow(window)) return DDERR_INVALIDPARAMS;
      std::vector<RECT> monitors;
      RECT all;
      if (!MonitorLayout(monitors, all)) return DDERR_GENERIC;
      const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
      ::SetWindowLongPtrW(window, GWL_STYLE,
                          (style & ~static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW)) | WS_POPUP);
      ::SetWindowPos(window, HWND_TOPMOST, all.left, all.top, all.right - all.left, all.bottom - all.top,
                     SWP_FRAMECHANGED | SWP_SHOWWINDOW);
      ::SetForegroundWindow(window);
      output = OpenGdiOutput(reinterpret_cast<uintptr_t>(window), std::move(monitors),
                             display_ >= 0 ? std::vector<FrameView>{} : views_, error);
    }
    return Present(std::move(output), native);
  }

 private:
  // The window covers the monitor asked for, or all of them: their bounding box, with each monitor's
  // part of it.
  bool MonitorLayout(std::vector<RECT>& monitors, RECT& all) const {
    const std::vector<Monitor> listed = ListMonitors();
    for (size_t i = 0; i < listed.size(); ++i)
      if (display_ < 0 || static_cast<size_t>(display_) == i) monitors.push_back(listed[i].area);
    if (monitors.empty()) return false;
    all = monitors[0];
    for (const RECT& m : monitors)
      all = RECT{std::min(all.left, m.left), std::min(all.top, m.top), std::max(all.right, m.right),
                 std::max(all.bottom, m.bottom)};
    for (RECT& m : monitors)
      m = RECT{m.left - all.left, m.top - all.top, m.right - all.left, m.bottom - all.top};
    return true;
  }

  int display_;
  unsigned long host_window_;
  std::vector<FrameView> views_;
};

class GdiDisplayBackend : public DisplayBackend {
 public:
  GdiDisplayBackend(MainThreadCalls calls, unsigned long host_window)
      : calls_(std::move(calls)), host_window_(host_window) {}

  HRESULT DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) override {
    out.reset();
    const int display = device ? device->display : -1;
    if (device != nullptr && (display < 0 || static_cast<size_t>(display) >= ListMonitors().size()))
      return DDERR_INVALIDDIRECTDRAWGUID;
    out = std::make_shared<GdiDirectDraw>(display, calls_, host_window_, views_);
    return DD_OK;
  }

  DirectDrawEnumerateExFn DirectDrawEnumerateExA() override {
    return [](const DDEnumCallbackEx& callback, uint32_t) -> HRESULT {
      if (!callback) return DDERR_INVALIDPARAMS;
      // The primary display driver first, then one device per monitor.
      if (!callback(nullptr, "Primary Display Driver", "display")) return DD_OK;
      const std::vector<Monitor> monitors = ListMonitors();
      for (size_t i = 0; i < monitors.size(); ++i) {
        const DeviceGuid guid{static_cast<int>(i)};
        if (!callback(&guid, monitors[i].description, monitors[i].device)) break;
      }
      return DD_OK;
    };
  }

  int GetSystemMetrics(int index) override {
    return index == SM_CMONITORS ? std::max(::GetSystemMetrics(SM_CMONITORS), 0) : 0;
  }

  std::vector<std::pair<int, int>> OutputSizes() override {
    std::vector<std::pair<int, int>> sizes;
    if (host_window_ != 0) {
      ::RECT client{};
      if (::GetClientRect(reinterpret_cast<HWND>(static_cast<uintptr_t>(host_window_)), &client))
        sizes.emplace_back(client.right - client.left, client.bottom - client.top);
      return sizes;
    }
    for (const Monitor& m : ListMonitors())
      sizes.emplace_back(m.area.right - m.area.left, m.area.bottom - m.area.top);
    return sizes;
  }

  void SetFrameViews(std::vector<FrameView> views) override { views_ = std::move(views); }

 private:
  MainThreadCalls calls_;
  unsigned long host_window_;
  std::vector<FrameView> views_;
};

}  // namespace

std::shared_ptr<DisplayBackend> MakeDisplayBackend(MainThreadCalls calls, unsigned long host_window) {
  return std::make_shared<GdiDisplayBackend>(std::move(calls), host_window);
}

}  // namespace lunvale::platform
