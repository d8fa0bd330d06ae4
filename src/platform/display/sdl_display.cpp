#include "platform/display/sdl_display.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/app/application.h"

namespace lunvale::platform {

DDGAMMARAMP IdentityGammaRamp() {
  DDGAMMARAMP ramp;
  for (int i = 0; i < 256; ++i) ramp.red[i] = ramp.green[i] = ramp.blue[i] = static_cast<uint16_t>(i * 257);
  return ramp;
}

GammaLut MakeGammaLut(const DDGAMMARAMP& ramp) {
  GammaLut lut;
  for (int i = 0; i < 256; ++i) {
    // The high byte of the 16-bit level is the 8-bit output.
    lut.red[i] = static_cast<uint8_t>(ramp.red[i] >> 8);
    lut.green[i] = static_cast<uint8_t>(ramp.green[i] >> 8);
    lut.blue[i] = static_cast<uint8_t>(ramp.blue[i] >> 8);
    if (lut.red[i] != i || lut.green[i] != i || lut.blue[i] != i) lut.identity = false;
  }
  return lut;
}

void ApplyGammaRow(uint32_t* dst, const uint32_t* src, int width, const GammaLut& lut) {
  for (int i = 0; i < width; ++i) {
    const uint32_t p = src[i];
    dst[i] = (static_cast<uint32_t>(lut.red[(p >> 16) & 0xFF]) << 16) |
             (static_cast<uint32_t>(lut.green[(p >> 8) & 0xFF]) << 8) | lut.blue[p & 0xFF];
  }
}

FitBox FitPicture(int width, int height, int out_w, int out_h) {
  if (width <= 0 || height <= 0 || out_w <= 0 || out_h <= 0) return {};
  FitBox box;
  // Compare out_w / width with out_h / height without rounding.
  if (static_cast<int64_t>(out_w) * height <= static_cast<int64_t>(out_h) * width) {
    box.w = out_w;
    box.h = static_cast<int>(static_cast<int64_t>(height) * out_w / width);
  } else {
    box.h = out_h;
    box.w = static_cast<int>(static_cast<int64_t>(width) * out_h / height);
  }
  box.x = (out_w - box.w) / 2;
  box.y = (out_h - box.h) / 2;
  return box;
}

bool DisplayModeOffered(int width, int height, int bits_per_pixel) {
  return bits_per_pixel == 32 && width >= 320 && height >= 200 && width <= 4096 && height <= 4096;
}

namespace {

// What the frame thread and the main thread share: the newest finished frame, the frame being shown and the
// gamma ramp. Everything under `mutex` is swapped or copied in O(1), so neither side waits for the other's
// work.
class Presenter : public std::enable_shared_from_this<Presenter> {
 public:
  Presenter(SdlDisplayBackend::PostToMain post, SDL_Renderer* renderer, bool own_renderer)
      : post_(std::move(post)), renderer_(renderer), own_renderer_(own_renderer) {
    ramp_ = IdentityGammaRamp();
    lut_ = MakeGammaLut(ramp_);
  }
  ~Presenter() { DestroyRenderer(); }

  void SetSize(int width, int height) {
    std::lock_guard lock(mutex_);
    width_ = width;
    height_ = height;
    ready_.assign(static_cast<size_t>(width) * height, 0u);
    showing_.assign(static_cast<size_t>(width) * height, 0u);
    fresh_ = false;
  }

  bool Open() {
    std::lock_guard lock(mutex_);
    return open_;
  }

  // The frame thread hands over a finished buffer and gets the one it replaces.
  bool TakeFrame(std::vector<uint32_t>& finished) {
    {
      std::lock_guard lock(mutex_);
      if (!open_ || finished.size() != ready_.size()) return false;
      ready_.swap(finished);
      fresh_ = true;
    }
    RequestPresent();
    return true;
  }

  // A direct write to the front surface: shown as it is.
  void ShowCopy(const PixelView& front) {
    {
      std::lock_guard lock(mutex_);
      if (!open_ || front.width != width_ || front.height != height_) return;
      std::memcpy(ready_.data(), front.pixels, ready_.size() * sizeof(uint32_t));
      fresh_ = true;
    }
    RequestPresent();
  }

  HRESULT GetRamp(DDGAMMARAMP* ramp) {
    std::lock_guard lock(mutex_);
    if (!open_) return DDERR_SURFACELOST;
    *ramp = ramp_;
    return DD_OK;
  }

  HRESULT SetRamp(const DDGAMMARAMP& ramp) {
    {
      std::lock_guard lock(mutex_);
      if (!open_) return DDERR_SURFACELOST;
      ramp_ = ramp;
      lut_ = MakeGammaLut(ramp);
      repaint_ = true;
    }
    RequestPresent();
    return DD_OK;
  }

  // Main thread: the display was released. The ramp goes with it, as it does when exclusive use ends.
  void Close() {
    {
      std::lock_guard lock(mutex_);
      open_ = false;
      ramp_ = IdentityGammaRamp();
      lut_ = MakeGammaLut(ramp_);
    }
    DestroyRenderer();
  }

  // Main thread: shows the newest finished frame, if there is one.
  void PresentPending() {
    GammaLut lut;
    {
      std::lock_guard lock(mutex_);
      queued_ = false;
      if (!open_ || renderer_ == nullptr || width_ <= 0) return;
      if (fresh_) {
        showing_.swap(ready_);
        fresh_ = false;
      } else if (!repaint_) {
        return;
      }
      repaint_ = false;
      lut = lut_;
    }
    // showing_ belongs to the main thread outside the lock: only this function swaps it.
    if (texture_ == nullptr || texture_w_ != width_ || texture_h_ != height_) {
      if (texture_ != nullptr) SDL_DestroyTexture(texture_);
      texture_ =
          SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width_, height_);
      texture_w_ = width_;
      texture_h_ = height_;
      if (texture_ == nullptr) return;
    }
    void* bits = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &bits, &pitch) != 0) return;
    for (int y = 0; y < height_; ++y) {
      auto* dst =
          reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(bits) + static_cast<ptrdiff_t>(y) * pitch);
      const uint32_t* src = showing_.data() + static_cast<size_t>(y) * width_;
      if (lut.identity)
        std::memcpy(dst, src, static_cast<size_t>(width_) * sizeof(uint32_t));
      else
        ApplyGammaRow(dst, src, width_, lut);
    }
    SDL_UnlockTexture(texture_);
    int out_w = 0, out_h = 0;
    SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    const FitBox box = FitPicture(width_, height_, out_w, out_h);
    const SDL_Rect dst{box.x, box.y, box.w, box.h};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
    ++presented_;
  }

  int Presented() const { return presented_; }

 private:
  // At most one presentation call waits in the main thread's queue; it takes whatever is newest.
  void RequestPresent() {
    {
      std::lock_guard lock(mutex_);
      if (queued_ || !open_) return;
      queued_ = true;
    }
    std::weak_ptr<Presenter> weak = weak_from_this();
    post_([weak] {
      if (auto self = weak.lock()) self->PresentPending();
    });
  }

  void DestroyRenderer() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (own_renderer_ && renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
  }

  SdlDisplayBackend::PostToMain post_;

  std::mutex mutex_;
  bool open_ = true;
  bool queued_ = false;
  bool fresh_ = false;
  bool repaint_ = false;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> ready_;
  std::vector<uint32_t> showing_;
  DDGAMMARAMP ramp_;
  GammaLut lut_;

  // Main thread only.
  SDL_Renderer* renderer_;
  bool own_renderer_;
  SDL_Texture* texture_ = nullptr;
  int texture_w_ = 0;
  int texture_h_ = 0;
  int presented_ = 0;
};

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

class BackBuffer : public MemorySurface {
 public:
  using MemorySurface::MemorySurface;
  using MemorySurface::SwapStorage;
};

// The front surface. Its own memory is written only by direct drawing onto the screen, which is then shown
// as it is; flipping hands the back buffer's memory to the presenter and takes a spare buffer in exchange.
class PrimarySurface : public MemorySurface {
 public:
  PrimarySurface(int width, int height, std::shared_ptr<Presenter> presenter, bool with_back)
      : MemorySurface(width, height), presenter_(std::move(presenter)) {
    if (with_back) back_ = std::make_shared<BackBuffer>(width, height);
  }

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
    // The memory of a surface with a device context or a lock out must not move.
    if (back_->Busy()) return DDERR_SURFACEBUSY;
    std::vector<uint32_t> spare;
    back_->SwapStorage(spare);
    const bool taken = presenter_->TakeFrame(spare);
    back_->SwapStorage(spare);
    return taken ? DD_OK : DDERR_SURFACELOST;
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
  std::shared_ptr<BackBuffer> back_;
};

class SdlDirectDraw : public IDirectDraw {
 public:
  SdlDirectDraw(int display, SdlDisplayBackend::PostToMain post)
      : display_(display), post_(std::move(post)) {}
  ~SdlDirectDraw() override {
    if (presenter_) presenter_->Close();
  }

  HRESULT SetCooperativeLevel(SDL_Window* window, uint32_t flags) override {
    if (window == nullptr || flags != (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) return DDERR_INVALIDPARAMS;
    if (presenter_) return presenter_window_ == window ? DD_OK : DDERR_INVALIDPARAMS;
    SDL_Rect bounds{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(display_, &bounds) != 0) return DDERR_GENERIC;
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    const bool own = renderer == nullptr;
    if (own) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) return DDERR_GENERIC;
    presenter_ = std::make_shared<Presenter>(post_, renderer, own);
    presenter_window_ = window;
    width_ = bounds.w;
    height_ = bounds.h;
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
  int display_;
  SdlDisplayBackend::PostToMain post_;
  std::shared_ptr<Presenter> presenter_;
  SDL_Window* presenter_window_ = nullptr;
  std::weak_ptr<PrimarySurface> primary_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace

SdlDisplayBackend::SdlDisplayBackend(PostToMain post) : post_(std::move(post)) {
  if (!post_) post_ = [](std::function<void()> call) { Application::Instance().QueueCall(std::move(call)); };
}

HRESULT SdlDisplayBackend::DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) {
  out.reset();
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return DDERR_GENERIC;
  const int display = device ? device->display : 0;
  if (display < 0 || display >= SDL_GetNumVideoDisplays()) return DDERR_INVALIDDIRECTDRAWGUID;
  out = std::make_shared<SdlDirectDraw>(display, post_);
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

int SdlDisplayBackend::GetSystemMetrics(int index) {
  if (index != SM_CMONITORS || SDL_WasInit(SDL_INIT_VIDEO) == 0) return 0;
  return std::max(SDL_GetNumVideoDisplays(), 0);
}

}  // namespace lunvale::platform
