// SPDX-License-Identifier: MIT
#include "support/fake_display.h"

#include <algorithm>
#include <sstream>

#include "platform/display/native_display.h"

namespace lunvale::testing {

using namespace platform;

void FaultPlan::Fail(FakeOp op, HRESULT code, int times, int after) {
  std::lock_guard lock(mutex_);
  faults_[op] = Fault{code, times, after};
}

void FaultPlan::Clear(FakeOp op) {
  std::lock_guard lock(mutex_);
  faults_.erase(op);
}

void FaultPlan::ClearAll() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

HRESULT FaultPlan::Take(FakeOp op) {
  std::lock_guard lock(mutex_);
  auto it = faults_.find(op);
  if (it == faults_.end()) return DD_OK;
  Fault& fault = it->second;
  if (fault.after > 0) {
    --fault.after;
    return DD_OK;
  }
  const HRESULT code = fault.code;
  if (fault.times != kAlways && --fault.times <= 0) faults_.erase(it);
  return code;
}

struct FakeState {
  mutable std::mutex mutex;
  FaultPlan faults;
  std::vector<std::string> calls;
  int monitors = 1;
  bool enumeration_missing = false;
  bool gamma_supported = true;
  int display_objects = 0;
  std::optional<DeviceGuid> last_device;
  NativeWindow* last_window = nullptr;
  DDGAMMARAMP ramp = IdentityGammaRamp();
  std::optional<DDGAMMARAMP> last_ramp_set;
  int flips = 0;
  int next_surface = 1;
  std::weak_ptr<FakeSurface> primary;
  std::weak_ptr<FakeSurface> back;
  std::vector<std::weak_ptr<FakeSurface>> offscreen;

  void Record(std::string call) {
    std::lock_guard lock(mutex);
    calls.push_back(std::move(call));
  }
};

namespace {

std::string RectText(const RECT* r) {
  if (r == nullptr) return "null";
  std::ostringstream out;
  out << "[" << r->left << "," << r->top << "," << r->right << "," << r->bottom << "]";
  return out.str();
}

std::string NameOf(IDirectDrawSurface* surface) {
  if (surface == nullptr) return "null";
  auto* fake = dynamic_cast<FakeSurface*>(surface);
  return fake ? fake->Name() : "foreign";
}

class FakeGammaControl : public IDirectDrawGammaControl {
 public:
  explicit FakeGammaControl(std::shared_ptr<FakeState> state) : state_(std::move(state)) {}

  HRESULT GetGammaRamp(uint32_t flags, DDGAMMARAMP* ramp) override {
    state_->Record("GetGammaRamp(" + std::to_string(flags) + ")");
    if (const HRESULT hr = state_->faults.Take(FakeOp::GetGammaRamp); hr != DD_OK) return hr;
    if (ramp == nullptr) return DDERR_INVALIDPARAMS;
    std::lock_guard lock(state_->mutex);
    *ramp = state_->ramp;
    return DD_OK;
  }

  HRESULT SetGammaRamp(uint32_t flags, const DDGAMMARAMP* ramp) override {
    state_->Record("SetGammaRamp(" + std::to_string(flags) + ")");
    if (const HRESULT hr = state_->faults.Take(FakeOp::SetGammaRamp); hr != DD_OK) return hr;
    if (ramp == nullptr) return DDERR_INVALIDPARAMS;
    std::lock_guard lock(state_->mutex);
    state_->ramp = *ramp;
    state_->last_ramp_set = *ramp;
    return DD_OK;
  }

 private:
  std::shared_ptr<FakeState> state_;
};

class FakeDirectDraw : public IDirectDraw {
 public:
  explicit FakeDirectDraw(std::shared_ptr<FakeState> state) : state_(std::move(state)) {
    std::lock_guard lock(state_->mutex);
    ++state_->display_objects;
  }
  ~FakeDirectDraw() override {
    std::lock_guard lock(state_->mutex);
    state_->calls.push_back("Release(DirectDraw)");
    if (--state_->display_objects == 0) state_->ramp = IdentityGammaRamp();
  }

  HRESULT SetCooperativeLevel(NativeWindow* window, uint32_t flags) override {
    state_->Record("SetCooperativeLevel(" + std::to_string(flags) + ")");
    {
      std::lock_guard lock(state_->mutex);
      state_->last_window = window;
    }
    if (const HRESULT hr = state_->faults.Take(FakeOp::SetCooperativeLevel); hr != DD_OK) return hr;
    cooperative_ = true;
    return DD_OK;
  }

  HRESULT SetDisplayMode(int width, int height, int bpp) override {
    state_->Record("SetDisplayMode(" + std::to_string(width) + "," + std::to_string(height) + "," +
                   std::to_string(bpp) + ")");
    if (const HRESULT hr = state_->faults.Take(FakeOp::SetDisplayMode); hr != DD_OK) return hr;
    if (!cooperative_) return DDERR_NOEXCLUSIVEMODE;
    if (!DisplayModeOffered(width, height, bpp)) return DDERR_INVALIDMODE;
    width_ = width;
    height_ = height;
    return DD_OK;
  }

  HRESULT CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<IDirectDrawSurface>& out) override {
    out.reset();
    const uint32_t caps = (desc.dwFlags & DDSD_CAPS) ? desc.ddsCaps.dwCaps : 0;
    if (caps & DDSCAPS_PRIMARYSURFACE) {
      const uint32_t backs = (desc.dwFlags & DDSD_BACKBUFFERCOUNT) ? desc.dwBackBufferCount : 0;
      state_->Record("CreateSurface(primary,flags=" + std::to_string(desc.dwFlags) +
                     ",caps=" + std::to_string(caps) + ",backbuffers=" + std::to_string(backs) + ")");
      if (const HRESULT hr = state_->faults.Take(FakeOp::CreatePrimarySurface); hr != DD_OK) return hr;
      if (!cooperative_) return DDERR_NOCOOPERATIVELEVELSET;
      if (backs > 1) return DDERR_INVALIDCAPS;
      auto primary =
          std::make_shared<FakeSurface>(state_, FakeSurface::Kind::Primary, "primary", width_, height_);
      std::lock_guard lock(state_->mutex);
      if (backs == 1) {
        auto back = std::make_shared<FakeSurface>(state_, FakeSurface::Kind::Back, "back", width_, height_);
        primary->Attach(back);
        state_->back = back;
      }
      state_->primary = primary;
      out = std::move(primary);
      return DD_OK;
    }
    state_->Record("CreateSurface(" + std::to_string(desc.dwWidth) + "x" + std::to_string(desc.dwHeight) +
                   ",flags=" + std::to_string(desc.dwFlags) + ",caps=" + std::to_string(caps) + ")");
    if (const HRESULT hr = state_->faults.Take(FakeOp::CreateSurface); hr != DD_OK) return hr;
    if ((desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT) || desc.dwWidth < 1 ||
        desc.dwHeight < 1 || desc.dwWidth > 16384 || desc.dwHeight > 16384)
      return DDERR_INVALIDPARAMS;
    std::string name;
    {
      std::lock_guard lock(state_->mutex);
      name = "s" + std::to_string(state_->next_surface++);
    }
    auto surface =
        std::make_shared<FakeSurface>(state_, FakeSurface::Kind::Offscreen, name,
                                      static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight));
    std::lock_guard lock(state_->mutex);
    state_->offscreen.push_back(surface);
    out = std::move(surface);
    return DD_OK;
  }

  HRESULT GetCaps(DDCAPS* driver, DDCAPS* emulation) override {
    state_->Record("GetCaps");
    if (const HRESULT hr = state_->faults.Take(FakeOp::GetCaps); hr != DD_OK) return hr;
    std::lock_guard lock(state_->mutex);
    const DDCAPS caps{0, state_->gamma_supported ? DDCAPS2_PRIMARYGAMMA : 0u};
    if (driver) *driver = caps;
    if (emulation) *emulation = caps;
    return DD_OK;
  }

 private:
  std::shared_ptr<FakeState> state_;
  bool cooperative_ = false;
  int width_ = 640;
  int height_ = 480;
};

}  // namespace

FakeSurface::FakeSurface(std::shared_ptr<FakeState> state, Kind kind, std::string name, int width, int height)
    : MemorySurface(width, height), state_(std::move(state)), kind_(kind), name_(std::move(name)) {}

FakeSurface::~FakeSurface() {
  state_->Record("Release(" + name_ + ")");
}

HRESULT FakeSurface::Planned(FakeOp op) {
  if (const HRESULT hr = faults_.Take(op); hr != DD_OK) return hr;
  return state_->faults.Take(op);
}

void FakeSurface::Record(const std::string& call) {
  state_->Record(name_ + "." + call);
}

void FakeSurface::Lose() {
  lost_ = true;
  if (back_) back_->Lose();
}

HRESULT FakeSurface::Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
                         const DDBLTFX* fx) {
  Record("Blt(" + RectText(dest_rect) + "," + std::to_string(flags) + "," +
         (fx ? std::to_string(fx->dwFillColor) : std::string("null")) + ")");
  if (const HRESULT hr = Planned(FakeOp::Blt); hr != DD_OK) return hr;
  if (lost_) return DDERR_SURFACELOST;
  return MemorySurface::Blt(dest_rect, src, src_rect, flags, fx);
}

HRESULT FakeSurface::BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) {
  Record("BltFast(" + std::to_string(x) + "," + std::to_string(y) + "," + NameOf(src) + "," +
         RectText(src_rect) + "," + std::to_string(flags) + ")");
  if (const HRESULT hr = Planned(FakeOp::BltFast); hr != DD_OK) return hr;
  if (lost_) return DDERR_SURFACELOST;
  return MemorySurface::BltFast(x, y, src, src_rect, flags);
}

HRESULT FakeSurface::Flip(IDirectDrawSurface* target, uint32_t flags) {
  Record("Flip(" + NameOf(target) + "," + std::to_string(flags) + ")");
  if (const HRESULT hr = Planned(FakeOp::Flip); hr != DD_OK) return hr;
  if (!back_) return DDERR_NOTFLIPPABLE;
  if (lost_) return DDERR_SURFACELOST;
  if (Busy() || back_->Busy()) return DDERR_SURFACEBUSY;
  // As page flipping does: the back buffer's memory becomes the front's and the other way round.
  SurfaceMemory memory;
  back_->SwapStorage(memory);
  SwapStorage(memory);
  back_->SwapStorage(memory);
  std::lock_guard lock(state_->mutex);
  ++state_->flips;
  return DD_OK;
}

HRESULT FakeSurface::GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<IDirectDrawSurface>& out) {
  out.reset();
  Record("GetAttachedSurface(" + std::to_string(caps.dwCaps) + ")");
  if (const HRESULT hr = Planned(FakeOp::GetAttachedSurface); hr != DD_OK) return hr;
  if (!(caps.dwCaps & DDSCAPS_BACKBUFFER) || !back_) return DDERR_NOTFOUND;
  out = back_;
  return DD_OK;
}

HRESULT FakeSurface::IsLost() {
  return lost_ ? DDERR_SURFACELOST : DD_OK;
}

HRESULT FakeSurface::Restore() {
  Record("Restore");
  if (const HRESULT hr = Planned(FakeOp::Restore); hr != DD_OK) return hr;
  if (!lost_) return DD_OK;
  // The memory comes back with undefined content; the owner redraws it.
  const PixelView pixels = Pixels();
  for (int y = 0; y < pixels.height; ++y) std::fill(pixels.Row(y), pixels.Row(y) + pixels.width, 0x00A5A5A5u);
  lost_ = false;
  if (back_) back_->Restore();
  return DD_OK;
}

HRESULT FakeSurface::GetDC(DeviceContext** dc) {
  Record("GetDC");
  if (dc) *dc = nullptr;
  if (const HRESULT hr = Planned(FakeOp::GetDC); hr != DD_OK) return hr;
  if (lost_) return DDERR_SURFACELOST;
  return MemorySurface::GetDC(dc);
}

HRESULT FakeSurface::ReleaseDC(DeviceContext* dc) {
  Record("ReleaseDC");
  if (const HRESULT hr = Planned(FakeOp::ReleaseDC); hr != DD_OK) return hr;
  return MemorySurface::ReleaseDC(dc);
}

HRESULT FakeSurface::SetColorKey(uint32_t flags, const DDCOLORKEY* key) {
  Record("SetColorKey(" + std::to_string(flags) + "," +
         (key ? std::to_string(key->dwColorSpaceLowValue) + ".." + std::to_string(key->dwColorSpaceHighValue)
              : std::string("null")) +
         ")");
  if (const HRESULT hr = Planned(FakeOp::SetColorKey); hr != DD_OK) return hr;
  return MemorySurface::SetColorKey(flags, key);
}

HRESULT FakeSurface::Lock(const RECT* rect, SurfaceLock* out, uint32_t flags) {
  Record("Lock(" + RectText(rect) + "," + std::to_string(flags) + ")");
  if (const HRESULT hr = Planned(FakeOp::Lock); hr != DD_OK) return hr;
  if (lost_) return DDERR_SURFACELOST;
  return MemorySurface::Lock(rect, out, flags);
}

HRESULT FakeSurface::Unlock(const RECT* rect) {
  Record("Unlock");
  if (const HRESULT hr = Planned(FakeOp::Unlock); hr != DD_OK) return hr;
  return MemorySurface::Unlock(rect);
}

HRESULT FakeSurface::QueryGammaControl(std::shared_ptr<IDirectDrawGammaControl>& out) {
  out.reset();
  Record("QueryGammaControl");
  if (const HRESULT hr = Planned(FakeOp::QueryGammaControl); hr != DD_OK) return hr;
  if (kind_ != Kind::Primary) return E_NOINTERFACE;
  out = std::make_shared<FakeGammaControl>(state_);
  return DD_OK;
}

FakeDisplayBackend::FakeDisplayBackend() : state_(std::make_shared<FakeState>()) {}
FakeDisplayBackend::~FakeDisplayBackend() = default;

FaultPlan& FakeDisplayBackend::Faults() {
  return state_->faults;
}

void FakeDisplayBackend::SetMonitorCount(int count) {
  std::lock_guard lock(state_->mutex);
  state_->monitors = count;
}

void FakeDisplayBackend::SetEnumerationMissing(bool missing) {
  std::lock_guard lock(state_->mutex);
  state_->enumeration_missing = missing;
}

void FakeDisplayBackend::SetGammaSupported(bool supported) {
  std::lock_guard lock(state_->mutex);
  state_->gamma_supported = supported;
}

std::vector<std::string> FakeDisplayBackend::Calls() const {
  std::lock_guard lock(state_->mutex);
  return state_->calls;
}

int FakeDisplayBackend::CountCalls(const std::string& prefix) const {
  std::lock_guard lock(state_->mutex);
  return static_cast<int>(std::count_if(state_->calls.begin(), state_->calls.end(),
                                        [&](const std::string& call) { return call.starts_with(prefix); }));
}

void FakeDisplayBackend::ClearCalls() {
  std::lock_guard lock(state_->mutex);
  state_->calls.clear();
}

std::shared_ptr<FakeSurface> FakeDisplayBackend::Primary() const {
  std::lock_guard lock(state_->mutex);
  return state_->primary.lock();
}

std::shared_ptr<FakeSurface> FakeDisplayBackend::Back() const {
  std::lock_guard lock(state_->mutex);
  return state_->back.lock();
}

std::vector<std::shared_ptr<FakeSurface>> FakeDisplayBackend::Offscreen() const {
  std::lock_guard lock(state_->mutex);
  std::vector<std::shared_ptr<FakeSurface>> alive;
  for (const auto& weak : state_->offscreen)
    if (auto surface = weak.lock()) alive.push_back(std::move(surface));
  return alive;
}

void FakeDisplayBackend::LoseAll() {
  if (auto primary = Primary()) primary->Lose();
  if (auto back = Back()) back->Lose();
  for (const auto& surface : Offscreen()) surface->Lose();
}

bool FakeDisplayBackend::DisplayOpen() const {
  std::lock_guard lock(state_->mutex);
  return state_->display_objects > 0;
}

std::optional<DeviceGuid> FakeDisplayBackend::LastDevice() const {
  std::lock_guard lock(state_->mutex);
  return state_->last_device;
}

NativeWindow* FakeDisplayBackend::LastWindow() const {
  std::lock_guard lock(state_->mutex);
  return state_->last_window;
}

DDGAMMARAMP FakeDisplayBackend::GammaRamp() const {
  std::lock_guard lock(state_->mutex);
  return state_->ramp;
}

std::optional<DDGAMMARAMP> FakeDisplayBackend::LastRampSet() const {
  std::lock_guard lock(state_->mutex);
  return state_->last_ramp_set;
}

int FakeDisplayBackend::FlipCount() const {
  std::lock_guard lock(state_->mutex);
  return state_->flips;
}

HRESULT FakeDisplayBackend::DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) {
  out.reset();
  state_->Record(device ? "DirectDrawCreate(display " + std::to_string(device->display) + ")"
                        : std::string("DirectDrawCreate(null)"));
  {
    std::lock_guard lock(state_->mutex);
    state_->last_device = device ? std::optional<DeviceGuid>(*device) : std::nullopt;
  }
  if (const HRESULT hr = state_->faults.Take(FakeOp::DirectDrawCreate); hr != DD_OK) return hr;
  out = std::make_shared<FakeDirectDraw>(state_);
  return DD_OK;
}

DirectDrawEnumerateExFn FakeDisplayBackend::DirectDrawEnumerateExA() {
  {
    std::lock_guard lock(state_->mutex);
    state_->calls.push_back("DirectDrawEnumerateExA");
    if (state_->enumeration_missing) return {};
  }
  std::shared_ptr<FakeState> state = state_;
  return [state](const DDEnumCallbackEx& callback, uint32_t flags) -> HRESULT {
    state->Record("Enumerate(" + std::to_string(flags) + ")");
    if (const HRESULT hr = state->faults.Take(FakeOp::Enumerate); hr != DD_OK) return hr;
    int monitors = 0;
    {
      std::lock_guard lock(state->mutex);
      monitors = state->monitors;
    }
    if (!callback(nullptr, "Primary Display Driver", "display")) return DD_OK;
    for (int i = 0; i < monitors; ++i) {
      const DeviceGuid guid{i};
      if (!callback(&guid, "Monitor " + std::to_string(i + 1), "\\\\.\\DISPLAY" + std::to_string(i + 1)))
        break;
    }
    return DD_OK;
  };
}

int FakeDisplayBackend::GetSystemMetrics(int index) {
  std::lock_guard lock(state_->mutex);
  return index == SM_CMONITORS ? state_->monitors : 0;
}

}  // namespace lunvale::testing
