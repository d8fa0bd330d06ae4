// SPDX-License-Identifier: MIT
#include "engine/display_engine.h"

#include <cstdio>
#include <optional>

#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/display/native_display.h"
#include "platform/media/mixer.h"
#include "platform/media/multimedia_timer.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

namespace lunvale::engine {

using namespace platform;

namespace {

// The second monitor's device as the last enumeration found it: reset before each enumeration.
int g_enum_count = 0;
std::optional<DeviceGuid> g_chosen_device;

// Frame-rate measurement, shared by every engine of the process.
int g_fps_counter = 0;
uint32_t g_fps_last = 0;
uint32_t g_fps_previous = 0;
int32_t g_fps_rate = 0;

}  // namespace

TQss::TQss(TComponent* owner, std::shared_ptr<DisplayBackend> backend)
    : TControl(owner), backend_(std::move(backend)) {
  if (!backend_) backend_ = MakeDisplayBackend(Application::DisplayCalls());
  MasterVolumeSetter = [](uint32_t value) { return platform::SetMasterVolume(value); };
  SetBounds(0, 0, width_screen_, height_screen_);
  settings_.SetBrightnessField(256);
}

TQss::~TQss() {
  // A timer left running would tick into a destroyed engine.
  if (timer_id_ != 0) timeKillEvent(timer_id_);
  timer_id_ = 0;
  if (handlers_installed_) {
    Application& app = Application::Instance();
    app.SetOnIdle(nullptr);
    app.SetOnActivate(nullptr);
    app.SetOnDeactivate(nullptr);
  }
}

TForm* TQss::OwnerForm() const {
  return dynamic_cast<TForm*>(Owner());
}

template <typename Visit>
void TQss::ForEachSprite(Visit visit) {
  TComponent* owner = Owner();
  if (owner == nullptr) return;
  // Read afresh on every call: sprites made at run time with the form as owner take part too.
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    TComponent* c = owner->Components(i);
    if (c->ClassName() == "TQIM") {
      visit(static_cast<sprites::TQIM*>(c), static_cast<sprites::TQMV*>(nullptr));
    } else if (c->ClassName() == "TQMV") {
      visit(static_cast<sprites::TQIM*>(nullptr), static_cast<sprites::TQMV*>(c));
    }
  }
}

int32_t FrameRateFromElapsed(uint32_t elapsed_ms) {
  if (elapsed_ms == 0) return -1;
  // 10 / (elapsed x 0.001) truncated, in integers: the floating form gives 99 for 100 ms.
  return static_cast<int32_t>(10000u / elapsed_ms);
}

// --- errors ---

void TQss::SetErrorResult(const std::string& text) {
  std::lock_guard lock(error_mutex_);
  error_result_ = text;
}

std::string TQss::GetErrorResult() const {
  std::lock_guard lock(error_mutex_);
  return error_result_;
}

void TQss::Report(const std::string& text) {
  SetErrorResult(text);
  if (OnError) OnError(this);
}

// --- display set-up ---

void TQss::SetWidthScreen(int32_t value) {
  width_screen_ = value;
  SetWidth(value);
}

void TQss::SetHeightScreen(int32_t value) {
  height_screen_ = value;
  SetHeight(value);
}

void TQss::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (!value) {
    CloseDirectDraw();
    return;
  }
  SetRegistry();
  if (!OpenDirectDraw()) return;
  ClearBackSurface();
  FlipSurfaces();
  SetRGB(settings_.Brightness());
  SetMasterMixVolume(static_cast<uint32_t>(settings_.SoundVolume()));
}

bool TQss::OpenDirectDraw() {
  Application& app = Application::Instance();
  if (use_idle_) InstallIdle();
  app.SetOnDeactivate([this] { AppDeactivate(this); });
  app.SetOnActivate([this] { AppActivate(this); });
  handlers_installed_ = true;

  TForm* owner = OwnerForm();
  if (owner != nullptr) {
    owner->SetBorderStyle(TBorderStyle::bsNone);
    owner->SetColor(0);
  }
  SetColor(0);
  SetVisible(false);

  const auto fail = [this](const char* message) {
    SetErrorResult(message);
    CloseDirectDraw();
    if (OnError) OnError(this);
    return false;
  };

  if (dual_monitor_) {
    if (backend_->GetSystemMetrics(SM_CMONITORS) < 2) {
      return fail("This program work only in dual monitor system!");
    }
    g_chosen_device.reset();
    bool enumerated = EnumerateScreens() != E_FAIL;
    if (!enumerated) Report("ERROR EnumerateScreens");
    const DeviceGuid* device =
        enumerated && g_enum_count >= 3 && g_chosen_device ? &*g_chosen_device : nullptr;
    last_result_ = backend_->DirectDrawCreate(device, fdd_);
    if (Failed(last_result_) || !fdd_) return fail("Error DirectDrawCreate on secondary monitor");
  } else {
    last_result_ = backend_->DirectDrawCreate(nullptr, fdd_);
    if (Failed(last_result_) || !fdd_) return fail("Error DirectDrawCreate");
  }

  TForm* window = define_form_handle_ && dd_form_ != nullptr ? dd_form_ : owner;
  if (!(define_form_handle_ && dd_form_ != nullptr)) dd_form_ = owner;
  NativeWindow* native_window = nullptr;
  if (window != nullptr) {
    // The display shows itself in the form's window; without a desktop there is none to give, and
    // the display refuses the exclusive mode.
    try {
      window->HandleNeeded();
      native_window = window->Window();
    } catch (const std::exception&) {
      native_window = nullptr;
    }
  }
  last_result_ = fdd_->SetCooperativeLevel(native_window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
  if (Failed(last_result_)) return fail("Error SetCooperativeLevel");
  if (window != nullptr) window->SetDisplayAttached(true);

  last_result_ = fdd_->SetDisplayMode(width_screen_, height_screen_, color_depth_);
  if (Failed(last_result_)) return fail("Error SetDisplayMode");

  DDSURFACEDESC desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.dwBackBufferCount = 1;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  last_result_ = fdd_->CreateSurface(desc, fddprim_);
  if (Failed(last_result_) || !fddprim_) return fail("Error CreatePrimarySurface");

  DDSCAPS caps;
  caps.dwCaps = DDSCAPS_BACKBUFFER;
  last_result_ = fddprim_->GetAttachedSurface(caps, fddback_);
  if (Failed(last_result_) || !fddback_) return fail("Error CreateBackSurface");
  return true;
}

void TQss::CloseDirectDraw() {
  SetTimerEnabled(false);
  if (handlers_installed_) {
    Application& app = Application::Instance();
    app.SetOnIdle(nullptr);
    app.SetOnActivate(nullptr);
    app.SetOnDeactivate(nullptr);
    handlers_installed_ = false;
  }
  ForEachSprite([](sprites::TQIM* image, sprites::TQMV* movie) {
    if (image != nullptr) image->CloseDXImage();
    if (movie != nullptr) movie->CloseDXMovie();
  });
  fddback_.reset();
  fddprim_.reset();
  fdd_.reset();
  if (dd_form_ != nullptr) dd_form_->SetDisplayAttached(false);
}

HRESULT TQss::EnumerateScreens() {
  DirectDrawEnumerateExFn enumerate = backend_->DirectDrawEnumerateExA();
  if (!enumerate) return E_FAIL;
  g_enum_count = 0;
  g_chosen_device.reset();
  // The first report is the primary display driver, then one device per monitor: the third report
  // is the second monitor.
  return enumerate(
      [](const DeviceGuid* guid, const std::string&, const std::string&) {
        ++g_enum_count;
        if (g_enum_count == 3 && guid != nullptr) g_chosen_device = *guid;
        return true;
      },
      DDENUM_ATTACHEDSECONDARYDEVICES);
}

void TQss::ClearBackSurface() {
  if (!fddback_) return;
  DDBLTFX fx;
  fx.dwFillColor = 0;
  fddback_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

void TQss::ClearAllSurface() {
  DDBLTFX fx;
  fx.dwFillColor = 0;
  if (fddprim_) fddprim_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
  if (fddback_) fddback_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

void TQss::IsLostRestore() {
  if (!fddprim_) return;
  if (fddprim_->IsLost() == DD_OK) return;
  if (Failed(fddprim_->Restore())) return;  // tried again on the next frame
  ForEachSprite([](sprites::TQIM* image, sprites::TQMV* movie) {
    if (image != nullptr) image->RestoreSurface();
    if (movie != nullptr) movie->RestoreSurfaces();
  });
}

void TQss::FlipSurfaces() {
  if (!fddprim_) return;
  IsLostRestore();
  if (show_fps_) FuncShowFPS();
  for (int line = 0; line < 3; ++line) {
    bool show;
    std::string text;
    {
      std::lock_guard lock(overlay_mutex_);
      show = show_test_[line];
      if (show) text = test_string_[line];
    }
    if (show) FuncShowTST(text, 20, 20 + 20 * line);
  }
  if (!fddprim_) return;
  // Retried at once while the display is still drawing, but not forever: a display that never
  // finishes must not hang the frame, and with it the close that waits for the frame.
  for (int attempt = 0; attempt < sprites::TQSpriteBase::kStillDrawingRetries; ++attempt) {
    HRESULT hr = fddprim_->Flip(nullptr, 0);
    if (hr == DDERR_WASSTILLDRAWING) continue;
    if (hr == DDERR_SURFACELOST) IsLostRestore();
    break;
  }
}

void TQss::FullExit() {
  TForm* owner = OwnerForm();
  if (owner == nullptr) return;
  owner->Hide();
  owner->SetBorderStyle(TBorderStyle::bsSizeable);
  owner->SetHeight(20);
  owner->SetWidth(20);
  owner->Close();
}

// --- frames ---

void TQss::InstallIdle() {
  Application::Instance().SetOnIdle([this](bool& done) { GameLoop(this, done); });
}

void TQss::RemoveIdle() {
  Application::Instance().SetOnIdle(nullptr);
}

void TQss::SetUseIdle(bool value) {
  if (value != use_idle_) use_idle_ = value;
}

void TQss::StopIdle(bool stop) {
  if (stop) {
    RemoveIdle();
  } else if (use_idle_) {
    InstallIdle();
  }
}

void TQss::GameLoop(TComponent*, bool& done) {
  done = false;
  if (!active_) return;
  IsLostRestore();
  ClearBackSurface();
  if (OnGameLoop) OnGameLoop(this);
  FlipSurfaces();
}

void TQss::SetInterval(int32_t value) {
  timer_delay_ = value;
  // A period of 0 is the caller's error; it must not become a division by zero.
  big_tick_period_ = value > 0 ? (1000 / value) * 20 : 0;
}

void TQss::SetTimerEnabled(bool value) {
  if (value == timer_enabled_) return;
  if (value) {
    if (!enabled_) return;
    timer_enabled_ = true;
    timer_id_ = timeSetEvent(static_cast<uint32_t>(timer_delay_), 0, &TQss::TimerTick,
                             reinterpret_cast<uintptr_t>(this), TIME_PERIODIC);
  } else {
    timer_enabled_ = false;
    if (timer_id_ != 0) timeKillEvent(timer_id_);  // waits for a tick in progress
    timer_id_ = 0;
  }
}

void TQss::TimerTick(uint32_t, uintptr_t user) {
  reinterpret_cast<TQss*>(user)->TimerCallback();
}

void TQss::TimerCallback() {
  if (!active_) return;
  if (!use_idle_) {
    IsLostRestore();
    ClearBackSurface();
    if (OnTimer) OnTimer(this);
    FlipSurfaces();
  } else if (OnTimer) {
    OnTimer(this);
  }
  if (tick_count_.fetch_add(1) + 1 > big_tick_period_) {
    tick_count_ = 0;
    big_tick_ = !big_tick_;
  }
}

void TQss::AppActivate(TComponent*) {
  active_ = true;
  if (use_idle_) InstallIdle();
  SetTimerEnabled(true);
}

void TQss::AppDeactivate(TComponent*) {
  active_ = false;
  RemoveIdle();
  SetTimerEnabled(false);
}

// --- overlay ---

void TQss::SetShowTest(int index, bool value) {
  std::lock_guard lock(overlay_mutex_);
  show_test_[index] = value;
}

void TQss::SetTest(int index, const std::string& value) {
  std::lock_guard lock(overlay_mutex_);
  if (test_string_[index] != value) test_string_[index] = value;
}

bool TQss::GetShowTestString(int line) const {
  std::lock_guard lock(overlay_mutex_);
  return line >= 1 && line <= 3 && show_test_[line - 1];
}

std::string TQss::GetTestString(int line) const {
  std::lock_guard lock(overlay_mutex_);
  return line >= 1 && line <= 3 ? test_string_[line - 1] : std::string();
}

void TQss::FuncShowFPS() {
  if (++g_fps_counter >= 10) {
    g_fps_previous = g_fps_last;
    g_fps_last = timeGetTime();
    // Ten flips within the same millisecond would divide by zero: keep the last rate then.
    const int32_t rate = FrameRateFromElapsed(g_fps_last - g_fps_previous);
    if (rate >= 0) g_fps_rate = rate;
    g_fps_counter = 0;
  }
  char text[64];
  std::snprintf(text, sizeof text, "Frame rate: %d FPS", g_fps_rate);
  FuncShowTST(text, 20, height_screen_ - 30);
}

void TQss::FuncShowTST(const std::string& text, int x, int y) {
  if (!fddback_) return;
  DeviceContext* dc = nullptr;
  if (Failed(fddback_->GetDC(&dc)) || dc == nullptr) return;
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(Rgb(255, 255, 255));
  dc->TextOut(x, y, text.data(), static_cast<int>(text.size()));
  fddback_->ReleaseDC(dc);
}

// --- brightness and volume ---

void TQss::SetBrightnessEnabled(bool value) {
  if (value == gamma_enabled_) return;
  if (!value) {
    gamma_enabled_ = false;
    gamma_control_.reset();
    return;
  }
  // With the display closed there is no ramp to set.
  if (!fddprim_ || !fdd_) {
    gamma_enabled_ = false;
    return;
  }
  if (fddprim_->IsLost() != DD_OK) {
    gamma_enabled_ = false;
    Report("Lost surface");
    return;
  }
  DDCAPS driver;
  fdd_->GetCaps(&driver, nullptr);
  if (driver.dwCaps2 & DDCAPS2_PRIMARYGAMMA) {
    gamma_enabled_ = true;
    if (Failed(fddprim_->QueryGammaControl(gamma_control_))) gamma_control_.reset();
  } else {
    gamma_enabled_ = false;
  }
}

void TQss::SetRGB(int32_t value) {
  SetBrightnessEnabled(true);
  if (!gamma_enabled_) return;
  settings_.SetBrightnessField(value);
  ApplyRamp(value, value, value);
}

void TQss::SetLinearRGB(int32_t red, int32_t green, int32_t blue) {
  SetBrightnessEnabled(true);
  if (!gamma_enabled_) return;
  ApplyRamp(red, green, blue);
}

void TQss::ApplyRamp(int32_t red, int32_t green, int32_t blue) {
  if (!gamma_control_) {
    SetBrightnessEnabled(false);
    return;
  }
  const auto fail = [this](const char* message) {
    SetErrorResult(message);
    CloseDirectDraw();
    // Give the control up with the display, so that a later open starts afresh.
    SetBrightnessEnabled(false);
    if (OnError) OnError(this);
  };
  DDGAMMARAMP ramp{};
  if (Failed(gamma_control_->GetGammaRamp(0, &ramp))) return fail("Cannot GetGammaRamp");
  // 16-bit running sums: entry i is (i x slope) modulo 65536.
  uint16_t r = 0, g = 0, b = 0;
  for (int i = 0; i < 256; ++i) {
    ramp.red[i] = r;
    ramp.green[i] = g;
    ramp.blue[i] = b;
    r = static_cast<uint16_t>(r + red);
    g = static_cast<uint16_t>(g + green);
    b = static_cast<uint16_t>(b + blue);
  }
  if (Failed(gamma_control_->SetGammaRamp(0, &ramp))) return fail("Cannot SetGammaRamp");
  SetBrightnessEnabled(false);
}

bool TQss::SetMasterMixVolume(uint32_t value) {
  const uint32_t level = (value * 65535u) >> 8;
  return MasterVolumeSetter ? MasterVolumeSetter(level) : false;
}

}  // namespace lunvale::engine
