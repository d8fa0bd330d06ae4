// SPDX-License-Identifier: MIT
#pragma once

// A display backend for tests: surfaces hold real pixels (memory surfaces), every operation can be told to
// fail with a chosen code (after some successes, a number of times or always), surfaces can be lost, and
// every call is recorded in order ("SetDisplayMode(1024,768,32)", "primary.Flip", "s2.BltFast(...)").
//
// Names in the record: "primary", "back", and "s1", "s2", ... for off-screen surfaces in creation order.

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/direct_draw.h"

namespace lunvale::testing {

using platform::HRESULT;

enum class FakeOp {
  DirectDrawCreate,
  Enumerate,
  SetCooperativeLevel,
  SetDisplayMode,
  CreatePrimarySurface,
  CreateSurface,  // off-screen
  GetCaps,
  GetAttachedSurface,
  Blt,
  BltFast,
  Flip,
  Restore,
  GetDC,
  ReleaseDC,
  SetColorKey,
  Lock,
  Unlock,
  QueryGammaControl,
  GetGammaRamp,
  SetGammaRamp,
};

// Planned failures, per operation. Thread-safe.
class FaultPlan {
 public:
  static constexpr int kAlways = -1;
  // After `after` successful calls, the next `times` calls (kAlways: every one) return `code`.
  void Fail(FakeOp op, HRESULT code, int times = kAlways, int after = 0);
  void Clear(FakeOp op);
  void ClearAll();
  // The result planned for this call, or DD_OK; consumes it.
  HRESULT Take(FakeOp op);

 private:
  struct Fault {
    HRESULT code;
    int times;
    int after;
  };
  std::mutex mutex_;
  std::map<FakeOp, Fault> faults_;
};

struct FakeState;

class FakeSurface : public platform::MemorySurface {
 public:
  enum class Kind { Primary, Back, Offscreen };

  FakeSurface(std::shared_ptr<FakeState> state, Kind kind, std::string name, int width, int height);
  ~FakeSurface() override;

  Kind GetKind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // Failures of this surface alone (checked before the backend's).
  FaultPlan& Faults() { return faults_; }
  // The memory is lost (another program took the display); a primary loses its back buffer with it.
  void Lose();
  bool Lost() const { return lost_; }
  // A back buffer that is lost with its primary.
  void Attach(std::shared_ptr<FakeSurface> back) { back_ = std::move(back); }

  HRESULT Blt(const platform::RECT* dest_rect, IDirectDrawSurface* src, const platform::RECT* src_rect,
              uint32_t flags, const platform::DDBLTFX* fx) override;
  HRESULT BltFast(int x, int y, IDirectDrawSurface* src, const platform::RECT* src_rect,
                  uint32_t flags) override;
  HRESULT Flip(IDirectDrawSurface* target, uint32_t flags) override;
  HRESULT GetAttachedSurface(const platform::DDSCAPS& caps,
                             std::shared_ptr<IDirectDrawSurface>& out) override;
  HRESULT IsLost() override;
  HRESULT Restore() override;
  HRESULT GetDC(platform::DeviceContext** dc) override;
  HRESULT ReleaseDC(platform::DeviceContext* dc) override;
  HRESULT SetColorKey(uint32_t flags, const platform::DDCOLORKEY* key) override;
  HRESULT Lock(const platform::RECT* rect, platform::SurfaceLock* out, uint32_t flags) override;
  HRESULT Unlock(const platform::RECT* rect) override;
  HRESULT QueryGammaControl(std::shared_ptr<platform::IDirectDrawGammaControl>& out) override;

 private:
  HRESULT Planned(FakeOp op);
  void Record(const std::string& call);

  std::shared_ptr<FakeState> state_;
  Kind kind_;
  std::string name_;
  FaultPlan faults_;
  bool lost_ = false;
  std::shared_ptr<FakeSurface> back_;
};

class FakeDisplayBackend : public platform::DisplayBackend {
 public:
  FakeDisplayBackend();
  ~FakeDisplayBackend() override;

  // Failures of every object of this backend.
  FaultPlan& Faults();
  void SetMonitorCount(int count);
  // DirectDrawEnumerateExA then gives no entry point.
  void SetEnumerationMissing(bool missing);
  // GetCaps reports DDCAPS2_PRIMARYGAMMA (default true).
  void SetGammaSupported(bool supported);

  // Every call so far, in order, and how many start with `prefix`.
  std::vector<std::string> Calls() const;
  int CountCalls(const std::string& prefix) const;
  void ClearCalls();

  // The surfaces alive now (null when none): the primary, its back buffer, the off-screen ones in order.
  std::shared_ptr<FakeSurface> Primary() const;
  std::shared_ptr<FakeSurface> Back() const;
  std::vector<std::shared_ptr<FakeSurface>> Offscreen() const;
  // Loses every surface alive, as when another program takes the display.
  void LoseAll();

  // A display object is alive (created and not yet released).
  bool DisplayOpen() const;
  // The device asked for at the last DirectDrawCreate (nullopt: the primary display).
  std::optional<platform::DeviceGuid> LastDevice() const;
  NativeWindow* LastWindow() const;
  // The display's gamma ramp (identity again once the display is released) and the last ramp set.
  platform::DDGAMMARAMP GammaRamp() const;
  std::optional<platform::DDGAMMARAMP> LastRampSet() const;
  int FlipCount() const;

  HRESULT DirectDrawCreate(const platform::DeviceGuid* device,
                           std::shared_ptr<platform::IDirectDraw>& out) override;
  platform::DirectDrawEnumerateExFn DirectDrawEnumerateExA() override;
  int GetSystemMetrics(int index) override;
  std::vector<std::pair<int, int>> OutputSizes() override { return output_sizes_; }
  void SetFrameViews(std::vector<platform::FrameView> views) override { views_ = std::move(views); }
  // The outputs' sizes the backend reports (default: none known), and the views it was given.
  void SetOutputSizes(std::vector<std::pair<int, int>> sizes) { output_sizes_ = std::move(sizes); }
  void SetOutputSize(std::optional<std::pair<int, int>> size) {
    output_sizes_.clear();
    if (size) output_sizes_.push_back(*size);
  }
  const std::vector<platform::FrameView>& FrameViews() const { return views_; }

 private:
  std::shared_ptr<FakeState> state_;
  std::vector<std::pair<int, int>> output_sizes_;
  std::vector<platform::FrameView> views_;
};

}  // namespace lunvale::testing
