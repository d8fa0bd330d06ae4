// SPDX-License-Identifier: MIT
#include "platform/display/sdl_display.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/display/other_screens.h"
#include "platform/display/presented_display.h"
#include "platform/display/presenter.h"
#include "platform/display/surface_output.h"
#include "platform/display/x11_output.h"
#include "platform/system/x11_window.h"

namespace lunvale::platform {

namespace {

class SdlDirectDraw : public PresentedDirectDraw {
 public:
  // `display`: the monitor asked for, or -1 for the primary display, which covers every monitor.
  SdlDirectDraw(int display, MainThreadCalls calls, unsigned long host_window, std::vector<FrameView> views)
      : PresentedDirectDraw(std::move(calls)),
        display_(display),
        host_window_(host_window),
        views_(std::move(views)) {}

  HRESULT SetCooperativeLevel(NativeWindow* native, uint32_t flags) override {
    SDL_Window* window = reinterpret_cast<SDL_Window*>(native);
    if (flags != (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) return DDERR_INVALIDPARAMS;
    // A host's window takes the place of the form's, which then has none.
    if (host_window_ != 0)
      window = nullptr;
    else if (window == nullptr)
      return DDERR_INVALIDPARAMS;
    native = reinterpret_cast<NativeWindow*>(window);
    if (Presenting()) return PresentedWindow() == native ? DD_OK : DDERR_INVALIDPARAMS;
    std::string error;
    std::unique_ptr<FrameOutput> output;
    if (host_window_ != 0) {
      output = OpenX11Output(host_window_, {}, views_, error, ResizedOnMainThread());
    } else {
      std::vector<RECT> monitors;
      SDL_Rect all{0, 0, 0, 0};
      if (!MonitorLayout(monitors, all)) return DDERR_GENERIC;
      SDL_SetWindowBordered(window, SDL_FALSE);
      SDL_SetWindowPosition(window, all.x, all.y);
      SDL_SetWindowSize(window, all.w, all.h);
      SDL_ShowWindow(window);
      SDL_RaiseWindow(window);
      SDL_SysWMinfo info;
      SDL_VERSION(&info.version);
      if (!SDL_GetWindowWMInfo(window, &info)) return DDERR_GENERIC;
      if (info.subsystem == SDL_SYSWM_X11) {
        // The window must be known to the server before another connection can draw into it.
        XSync(info.info.x11.display, False);
        // The views are the primary display's: the first ones go to this screen's monitors, the rest
        // to the other screens'.
        const size_t own = std::min(monitors.size(), views_.size());
        std::vector<FrameView> shown(views_.begin(), views_.begin() + static_cast<std::ptrdiff_t>(own));
        const std::vector<FrameView> rest(views_.begin() + static_cast<std::ptrdiff_t>(own), views_.end());
        if (display_ >= 0) shown.clear();
        output = OpenX11Output(info.info.x11.window, std::move(monitors), std::move(shown), error);
        // The whole display: its other X screens, if it has any, show the scene too.
        if (display_ < 0)
          output = CoverOtherScreens(std::move(output), info.info.x11.display, info.info.x11.window, Calls(),
                                     rest);
      } else {
        // A compositor places its windows itself: the saver asks for its monitor's whole area.
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        output = OpenSurfaceOutput(window);
      }
    }
    if (!output) return DDERR_GENERIC;
    return Present(std::move(output), native);
  }

 private:
  // The window covers the monitor asked for, or all of them: their bounding box, with each monitor's
  // part of it.
  // The desktop's own list of monitors where the server keeps one, as it also knows monitors that share
  // one output; else SDL's displays.
  bool MonitorLayout(std::vector<RECT>& monitors, SDL_Rect& all) const {
    if (display_ < 0) monitors = ListX11Monitors();
    if (monitors.empty()) {
      const int count = SDL_GetNumVideoDisplays();
      for (int i = 0; i < count; ++i) {
        if (display_ >= 0 && i != display_) continue;
        SDL_Rect b;
        if (SDL_GetDisplayBounds(i, &b) == 0) monitors.push_back(RECT{b.x, b.y, b.x + b.w, b.y + b.h});
      }
    }
    for (size_t i = 0; i < monitors.size(); ++i) {
      const RECT& m = monitors[i];
      const SDL_Rect b{m.left, m.top, m.right - m.left, m.bottom - m.top};
      if (i == 0)
        all = b;
      else
        SDL_UnionRect(&all, &b, &all);
    }
    for (RECT& m : monitors) m = RECT{m.left - all.x, m.top - all.y, m.right - all.x, m.bottom - all.y};
    return !monitors.empty();
  }

  int display_;
  unsigned long host_window_;
  std::vector<FrameView> views_;
};

}  // namespace

SdlDisplayBackend::SdlDisplayBackend(MainThreadCalls calls, unsigned long host_window)
    : calls_(std::move(calls)), host_window_(host_window) {}

HRESULT SdlDisplayBackend::DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) {
  out.reset();
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return DDERR_GENERIC;
  const int display = device ? device->display : -1;
  if (device != nullptr && (display < 0 || display >= SDL_GetNumVideoDisplays()))
    return DDERR_INVALIDDIRECTDRAWGUID;
  out = std::make_shared<SdlDirectDraw>(display, calls_, host_window_, views_);
  return DD_OK;
}

DirectDrawEnumerateExFn SdlDisplayBackend::DirectDrawEnumerateExA() {
  return [](const DDEnumCallbackEx& callback, uint32_t) -> HRESULT {
    if (!callback) return DDERR_INVALIDPARAMS;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return DDERR_GENERIC;
    // The primary display driver first, then one device per monitor.
    if (!callback(nullptr, "Primary Display Driver", "display")) return DD_OK;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
      const DeviceGuid guid{i};
      const char* name = SDL_GetDisplayName(i);
      if (!callback(&guid, name ? name : "", "\\\\.\\DISPLAY" + std::to_string(i + 1))) break;
    }
    return DD_OK;
  };
}

std::vector<std::pair<int, int>> SdlDisplayBackend::OutputSizes() {
  std::vector<std::pair<int, int>> sizes;
  if (host_window_ != 0) {
    if (const auto size = QueryWindowSize(host_window_)) sizes.push_back(*size);
    return sizes;
  }
  // The monitors as the desktop lists them; SDL's displays where the server keeps no list.
  for (const RECT& m : ListX11Monitors()) sizes.emplace_back(m.right - m.left, m.bottom - m.top);
  if (sizes.empty() && SDL_WasInit(SDL_INIT_VIDEO) != 0) {
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
      SDL_Rect bounds;
      if (SDL_GetDisplayBounds(i, &bounds) == 0) sizes.emplace_back(bounds.w, bounds.h);
    }
  }
  if (sizes.empty()) return sizes;
  for (const auto& size : OtherScreenOutputs()) sizes.push_back(size);
  return sizes;
}

std::shared_ptr<DisplayBackend> MakeDisplayBackend(MainThreadCalls calls, unsigned long host_window) {
  return std::make_shared<SdlDisplayBackend>(std::move(calls), host_window);
}

int SdlDisplayBackend::GetSystemMetrics(int index) {
  if (index != SM_CMONITORS || SDL_WasInit(SDL_INIT_VIDEO) == 0) return 0;
  return std::max(SDL_GetNumVideoDisplays(), 0);
}

}  // namespace lunvale::platform
