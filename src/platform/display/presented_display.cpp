// SPDX-License-Identifier: MIT
#include "platform/display/presented_display.h"

#include <new>
#include <utility>
#include <vector>

#include "platform/display/native_display.h"
#include "platform/display/tracked_surface.h"

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

}  // namespace

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

PresentedDirectDraw::~PresentedDirectDraw() {
  if (presenter_) presenter_->Close();
}

HRESULT PresentedDirectDraw::Present(std::unique_ptr<FrameOutput> output, NativeWindow* window) {
  if (!output) return DDERR_GENERIC;
  presenter_ = std::make_shared<Presenter>(calls_, std::move(output));
  presenter_window_ = window;
  return DD_OK;
}

HRESULT PresentedDirectDraw::SetDisplayMode(int width, int height, int bits_per_pixel) {
  if (!presenter_) return DDERR_NOEXCLUSIVEMODE;
  if (!DisplayModeOffered(width, height, bits_per_pixel)) return DDERR_INVALIDMODE;
  if (!primary_.expired()) return DDERR_SURFACEBUSY;
  width_ = width;
  height_ = height;
  return DD_OK;
}

HRESULT PresentedDirectDraw::CreateSurface(const DDSURFACEDESC& desc,
                                           std::shared_ptr<IDirectDrawSurface>& out) {
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
    if ((desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
    if (desc.dwWidth < 1 || desc.dwHeight < 1 || desc.dwWidth > 16384 || desc.dwHeight > 16384)
      return DDERR_INVALIDPARAMS;
    out = std::make_shared<MemorySurface>(static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight));
    return DD_OK;
  } catch (const std::bad_alloc&) {
    out.reset();
    return DDERR_OUTOFMEMORY;
  }
}

HRESULT PresentedDirectDraw::GetCaps(DDCAPS* driver, DDCAPS* emulation) {
  if (driver == nullptr && emulation == nullptr) return DDERR_INVALIDPARAMS;
  // Every virtual display has a gamma ramp: it is applied in software.
  if (driver != nullptr) *driver = DDCAPS{0, DDCAPS2_PRIMARYGAMMA};
  if (emulation != nullptr) *emulation = DDCAPS{0, DDCAPS2_PRIMARYGAMMA};
  return DD_OK;
}

}  // namespace lunvale::platform
