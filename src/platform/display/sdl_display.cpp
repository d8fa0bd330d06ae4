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
#include "platform/display/presenter.h"
#include "platform/display/surface_output.h"
#include "platform/display/tracked_surface.h"
#include "platform/display/x11_output.h"
#include "platform/system/x11_window.h"

namespace lunvale::platform {

bool DisplayModeOffered(int width, int height, int bits_per_pixel) {
  return bits_per_pixel == 32 && width >= 320 && height >= 200 && width <= 4096 && height <= 4096;
}

namespace {

class GammaControl : public IDirectDrawGammaControl {
 public:
  explicit GammaControl(std::weak_ptr<Presenter> presenter) : presenter_(std::move(presenter)) {}

  HRESULT GetGammaRamp(uint32_t, DDGAMMARAMP* ramp) override {
    if (ramp == nullptr) return DDERR_INVALIDPARAMS;
    auto p = presenter_.lock();
    return p ? p->GetRamp(ramp) : DDERR_SURFACELOST;
  }
  HRESULT SetGammaRamp(uint32_t, const DDGAMMARAMP* ramp) override {
    if (ramp == nullptr) return DDERR_INVALIDPARAMS;
    auto p = presenter_.lock();
    return p ? p->SetRamp(*ramp) : DDERR_SURFACELOST;
  }

 private:
  std::weak_ptr<Presenter> presenter_;
};

// The front surface. Its own memory is written only by direct drawing onto the screen, which is then shown
// as it is; flipping hands what changed in the back buffer to the presenter.
class PrimarySurface : public MemorySurface {
 public:
  PrimarySurface(int width, int height, std::shared_ptr<Presenter> presenter, bool with_back)
      : MemorySurface(width, height), presenter_(std::move(presenter)) {
    if (!with_back) return;
    back_ = std::make_shared<TrackedSurface>(width, height, presenter_->WantsSharedFrame());
    if (back_->SharedId() >= 0) presenter_->ShareFrame(back_->Frame(), back_->SharedId());
  }
  // The back buffer may outlive us; the output stops reading from it now.
  ~PrimarySurface() override {
    if (back_ && back_->SharedId() >= 0) presenter_->ShareFrame({}, -1);
  }
  PrimarySurface(const PrimarySurface&) = delete;
  PrimarySurface& operator=(const PrimarySurface&) = delete;

  HRESULT Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
              const DDBLTFX* fx) override {
    if (!presenter_->Open()) return DDERR_SURFACELOST;
    return Shown(MemorySurface::Blt(dest_rect, src, src_rect, flags, fx));
  }
  HRESULT BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) override {
    if (!presenter_->Open()) return DDERR_SURFACELOST;
    return Shown(MemorySurface::BltFast(x, y, src, src_rect, flags));
  }
  HRESULT ReleaseDC(DeviceContext* dc) override { return Shown(MemorySurface::ReleaseDC(dc)); }
  HRESULT Unlock(const RECT* rect) override { return Shown(MemorySurface::Unlock(rect)); }
  HRESULT GetDC(DeviceContext** dc) override {
    if (!presenter_->Open()) return DDERR_SURFACELOST;
    return MemorySurface::GetDC(dc);
  }
  HRESULT Lock(const RECT* rect, SurfaceLock* out, uint32_t flags) override {
    if (!presenter_->Open()) return DDERR_SURFACELOST;
    return MemorySurface::Lock(rect, out, flags);
  }

  HRESULT Flip(IDirectDrawSurface* target, uint32_t) override {
    if (!back_) return DDERR_NOTFLIPPABLE;
    if (target != nullptr && target != back_.get()) return DDERR_INVALIDPARAMS;
    if (!presenter_->Open()) return DDERR_SURFACELOST;
    // A device context or a lock out may still be drawing.
    if (back_->Busy()) return DDERR_SURFACEBUSY;
    const std::vector<RECT> changed = back_->FinishFrame();
    return presenter_->TakeFrame(back_->Frame(), changed) ? DD_OK : DDERR_SURFACELOST;
  }

  HRESULT GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<IDirectDrawSurface>& out) override {
    out.reset();
    if (!(caps.dwCaps & DDSCAPS_BACKBUFFER) || !back_) return DDERR_NOTFOUND;
    out = back_;
    return DD_OK;
  }

  // The screen is gone once the display was released; nothing brings it back.
  HRESULT IsLost() override { return presenter_->Open() ? DD_OK : DDERR_SURFACELOST; }
  HRESULT Restore() override { return presenter_->Open() ? DD_OK : DDERR_WRONGMODE; }

  HRESULT QueryGammaControl(std::shared_ptr<IDirectDrawGammaControl>& out) override {
    out = std::make_shared<GammaControl>(presenter_);
    return DD_OK;
  }

 private:
  HRESULT Shown(HRESULT hr) {
    if (hr == DD_OK && !Busy()) presenter_->ShowCopy(Pixels());
    return hr;
  }

  std::shared_ptr<Presenter> presenter_;
  std::shared_ptr<TrackedSurface> back_;
};

class SdlDirectDraw : public IDirectDraw {
 public:
  // `display`: the monitor asked for, or -1 for the primary display, which covers every monitor.
  SdlDirectDraw(int display, MainThreadCalls calls, unsigned long host_window, std::vector<FrameView> views)
      : display_(display), calls_(std::move(calls)), host_window_(host_window), views_(std::move(views)) {}
  ~SdlDirectDraw() override {
    if (presenter_) presenter_->Close();
  }

  HRESULT SetCooperativeLevel(SDL_Window* window, uint32_t flags) override {
    if (flags != (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) return DDERR_INVALIDPARAMS;
    // A host's window takes the place of the form's, which then has none.
    if (host_window_ != 0)
      window = nullptr;
    else if (window == nullptr)
      return DDERR_INVALIDPARAMS;
    if (presenter_) return presenter_window_ == window ? DD_OK : DDERR_INVALIDPARAMS;
    std::string error;
    std::unique_ptr<FrameOutput> output;
    if (host_window_ != 0) {
      // The window's new sizes are heard where the frames are sent; the main thread acts on them.
      std::function<void(int, int)> resized;
      if (calls_.resized)
        resized = [post = calls_.post, act = calls_.resized](int width, int height) {
          post([act, width, height] { act(width, height); });
        };
      output = OpenX11Output(host_window_, {}, views_, error, std::move(resized));
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
          output =
              CoverOtherScreens(std::move(output), info.info.x11.display, info.info.x11.window, calls_, rest);
      } else {
        // A compositor places its windows itself: the saver asks for its monitor's whole area.
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        output = OpenSurfaceOutput(window);
      }
    }
    if (!output) return DDERR_GENERIC;
    presenter_ = std::make_shared<Presenter>(calls_, std::move(output));
    presenter_window_ = window;
    return DD_OK;
  }

  HRESULT SetDisplayMode(int width, int height, int bits_per_pixel) override {
    if (!presenter_) return DDERR_NOEXCLUSIVEMODE;
    if (!DisplayModeOffered(width, height, bits_per_pixel)) return DDERR_INVALIDMODE;
    if (!primary_.expired()) return DDERR_SURFACEBUSY;
    width_ = width;
    height_ = height;
    return DD_OK;
  }

  HRESULT CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<IDirectDrawSurface>& out) override {
    out.reset();
    const uint32_t caps = (desc.dwFlags & DDSD_CAPS) ? desc.ddsCaps.dwCaps : 0;
    try {
      if (caps & DDSCAPS_PRIMARYSURFACE) {
        if (!presenter_) return DDERR_NOCOOPERATIVELEVELSET;
        if (!primary_.expired()) return DDERR_PRIMARYSURFACEALREADYEXISTS;
        const uint32_t backs = (desc.dwFlags & DDSD_BACKBUFFERCOUNT) ? desc.dwBackBufferCount : 0;
        if (backs > 1 || (backs == 1) != ((caps & DDSCAPS_FLIP) != 0)) return DDERR_INVALIDCAPS;
        presenter_->SetSize(width_, height_);
        auto primary = std::make_shared<PrimarySurface>(width_, height_, presenter_, backs == 1);
        primary_ = primary;
        out = std::move(primary);
        return DD_OK;
      }
      if (caps & (DDSCAPS_BACKBUFFER | DDSCAPS_FLIP)) return DDERR_INVALIDCAPS;
      if ((desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT))
        return DDERR_INVALIDPARAMS;
      if (desc.dwWidth < 1 || desc.dwHeight < 1 || desc.dwWidth > 16384 || desc.dwHeight > 16384)
        return DDERR_INVALIDPARAMS;
      out = std::make_shared<MemorySurface>(static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight));
      return DD_OK;
    } catch (const std::bad_alloc&) {
      out.reset();
      return DDERR_OUTOFMEMORY;
    }
  }

  HRESULT GetCaps(DDCAPS* driver, DDCAPS* emulation) override {
    if (driver == nullptr && emulation == nullptr) return DDERR_INVALIDPARAMS;
    // Every virtual display has a gamma ramp: it is applied in software.
    if (driver != nullptr) *driver = DDCAPS{0, DDCAPS2_PRIMARYGAMMA};
    if (emulation != nullptr) *emulation = DDCAPS{0, DDCAPS2_PRIMARYGAMMA};
    return DD_OK;
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
  MainThreadCalls calls_;
  unsigned long host_window_;
  std::vector<FrameView> views_;
  std::shared_ptr<Presenter> presenter_;
  SDL_Window* presenter_window_ = nullptr;
  std::weak_ptr<PrimarySurface> primary_;
  int width_ = 1024;
  int height_ = 768;
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

int SdlDisplayBackend::GetSystemMetrics(int index) {
  if (index != SM_CMONITORS || SDL_WasInit(SDL_INIT_VIDEO) == 0) return 0;
  return std::max(SDL_GetNumVideoDisplays(), 0);
}

}  // namespace lunvale::platform
