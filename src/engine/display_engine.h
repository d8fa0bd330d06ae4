// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/app/component.h"
#include "platform/display/direct_draw.h"
#include "settings/settings_store.h"
#include "sprites/display_panel.h"

namespace lunvale::platform {
class TForm;
}

namespace lunvale::engine {

using platform::TNotifyEvent;

// Frames per second from the time ten flips took, truncated; elapsed 0 has no rate (returns -1).
int32_t FrameRateFromElapsed(uint32_t elapsed_ms);

// The engine panel: owns the full-screen display (FDD, FDDPRIM, FDDBACK), drives the frames from the
// multimedia timer or the idle loop, applies brightness and volume, and holds the saver's settings.
// The sprites and gadgets are its child controls and draw into FDDBACK during the frame.
//
// Threads: everything but the frame runs on the main thread. With UseIdle false the whole frame
// (IsLostRestore, ClearBackSurface, OnTimer, FlipSurfaces) runs on the timer's thread; closing stops
// the timer, which waits for a running tick, before any surface is released.
class TQss : public platform::TControl, public sprites::DisplayPanel {
 public:
  // `owner` must be the form the engine runs on (a platform::TForm). `backend` gives the display
  // objects; null means the real SDL display.
  explicit TQss(platform::TComponent* owner, std::shared_ptr<platform::DisplayBackend> backend = nullptr);
  ~TQss() override;
  std::string_view ClassName() const override { return "TQss"; }

  // --- display set-up and surfaces ---
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool OpenDirectDraw();
  void CloseDirectDraw();
  void FlipSurfaces();
  void ClearBackSurface();
  void ClearAllSurface();
  void IsLostRestore();
  platform::HRESULT EnumerateScreens();
  void FullExit();
  void AppActivate(platform::TComponent* sender);
  void AppDeactivate(platform::TComponent* sender);

  void SetWidthScreen(int32_t value);
  void SetHeightScreen(int32_t value);
  void SetColorDepth(int32_t value) { color_depth_ = value; }
  int32_t GetWidthScreen() const override { return width_screen_; }
  int32_t GetHeightScreen() const override { return height_screen_; }
  // A scene that composes at the output's aspect sets the width its positions are given for.
  void SetDesignWidth(int32_t value) { design_width_ = value; }
  int32_t GetDesignWidth() const override { return design_width_; }
  // The outputs' sizes as the display backend knows them before the display opens, and what part of
  // each frame each of them shows (set before the display opens).
  std::vector<std::pair<int, int>> OutputSizes() const { return backend_->OutputSizes(); }
  void SetFrameViews(std::vector<platform::FrameView> views) { backend_->SetFrameViews(std::move(views)); }
  // Frame thread, during OnTimer: the canvas the frame draws now; nullopt: the whole screen.
  void SetCurrentCanvas(std::optional<Canvas> canvas) { canvas_ = canvas; }
  std::optional<Canvas> CurrentCanvas() const override { return canvas_; }
  int32_t GetColorDepth() const { return color_depth_; }
  void SetDualMonitor(bool value) { dual_monitor_ = value; }
  bool GetDualMonitor() const { return dual_monitor_; }
  void SetFormHandle(bool value) { define_form_handle_ = value; }  // DefineFormHandle
  bool GetDefineFormHandle() const { return define_form_handle_; }
  void SetParentForm(platform::TForm* form) { dd_form_ = form; }  // DDForm
  platform::TForm* GetDDForm() const { return dd_form_; }

  void SetErrorResult(const std::string& text);
  std::string GetErrorResult() const;
  TNotifyEvent OnError;

  // The display objects: empty while the display is closed. Children copy them when they make their
  // surfaces (as weak references, so that they never keep a closed display alive).
  const std::shared_ptr<platform::IDirectDraw>& FDD() const override { return fdd_; }
  const std::shared_ptr<platform::IDirectDrawSurface>& FDDPRIM() const override { return fddprim_; }
  const std::shared_ptr<platform::IDirectDrawSurface>& FDDBACK() const override { return fddback_; }
  platform::HRESULT LastResult() const { return last_result_; }
  bool Active() const { return active_; }

  // --- frames: timer, idle loop and the diagnostics overlay ---
  void SetTimerEnabled(bool value);
  bool GetTimerEnabled() const { return timer_enabled_; }
  void SetInterval(int32_t value);  // TimerDelay
  int32_t GetInterval() const override { return timer_delay_; }
  void SetUseIdle(bool value);
  bool GetUseIdle() const { return use_idle_; }
  void StopIdle(bool stop);
  void GameLoop(platform::TComponent* sender, bool& done);
  // One tick of the frame timer, as its thread runs it.
  void TimerCallback();
  TNotifyEvent OnTimer;
  TNotifyEvent OnGameLoop;
  bool GetBigTick() const { return big_tick_; }
  uint32_t TimerId() const { return timer_id_; }
  int32_t TickCount() const { return tick_count_; }
  int32_t BigTickPeriod() const { return big_tick_period_; }

  void SetshowFPS(bool value) { show_fps_ = value; }
  bool GetShowFPS() const { return show_fps_; }
  void SetShowTestString(bool value) { SetShowTest(0, value); }
  void SetShowTestString2(bool value) { SetShowTest(1, value); }
  void SetShowTestString3(bool value) { SetShowTest(2, value); }
  void SetTestString(const std::string& value) { SetTest(0, value); }
  void SetTestString2(const std::string& value) { SetTest(1, value); }
  void SetTestString3(const std::string& value) { SetTest(2, value); }
  bool GetShowTestString(int line) const;  // line 1..3
  std::string GetTestString(int line) const;
  void FuncShowFPS();
  void FuncShowTST(const std::string& text, int x, int y);

  // --- brightness and volume ---
  void SetRGB(int32_t value);  // Brightness
  int32_t GetRGB() const { return settings_.Brightness(); }
  void SetLinearRGB(int32_t red, int32_t green, int32_t blue);
  void SetBrightnessEnabled(bool value);
  bool GammaEnabled() const { return gamma_enabled_; }
  void SetVolume(int32_t value) { settings_.SetSoundVolumeField(value); }  // SoundVolume
  int32_t GetVolume() const { return settings_.SoundVolume(); }
  bool SetMasterMixVolume(uint32_t value);
  // The mixer call behind SetMasterMixVolume; tests replace it.
  std::function<bool(uint32_t)> MasterVolumeSetter;

  // --- settings ---
  void SetBrandName(const std::string& name) { settings_.SetBrandName(name); }
  void SetSSName(const std::string& name) { settings_.SetSSName(name); }
  const std::string& GetBrandName() const { return settings_.BrandName(); }
  const std::string& GetSSName() const { return settings_.SSName(); }
  void SetRegistry() { settings_.SetRegistry(); }
  std::string GetTDegree() const { return settings_.GetTDegree(); }
  std::string GetWeatherCode() const { return settings_.GetWeatherCode(); }
  std::string GetRSS_Url() const { return settings_.GetRSS_Url(); }
  std::string GetProxy() const { return settings_.GetProxy(); }
  std::string GetPort() const { return settings_.GetPort(); }
  int32_t GetShowTime() const { return settings_.GetShowTime(); }
  int32_t GetShowWeather() const { return settings_.GetShowWeather(); }
  int32_t GetShowNews() const { return settings_.GetShowNews(); }
  int32_t GetShowBlack() const { return settings_.GetShowBlack(); }
  int32_t GetUseProxy() const { return settings_.GetUseProxy(); }
  const settings::SettingsStore& Settings() const { return settings_; }

 private:
  static void TimerTick(uint32_t id, uintptr_t user);
  void Report(const std::string& text);
  void ApplyRamp(int32_t red, int32_t green, int32_t blue);
  void InstallIdle();
  void RemoveIdle();
  void SetShowTest(int index, bool value);
  void SetTest(int index, const std::string& value);
  platform::TForm* OwnerForm() const;
  template <typename Visit>
  void ForEachSprite(Visit visit);

  std::shared_ptr<platform::DisplayBackend> backend_;
  settings::SettingsStore settings_;

  bool enabled_ = false;
  std::atomic<bool> show_fps_ = false;
  int32_t width_screen_ = 800;
  int32_t design_width_ = 1024;
  std::optional<Canvas> canvas_;  // frame thread only
  int32_t height_screen_ = 600;
  int32_t color_depth_ = 24;
  bool dual_monitor_ = false;
  bool define_form_handle_ = false;
  platform::TForm* dd_form_ = nullptr;
  mutable std::mutex error_mutex_;  // ErrorResult is written by frames and read by the form thread
  std::string error_result_;

  std::shared_ptr<platform::IDirectDraw> fdd_;
  std::shared_ptr<platform::IDirectDrawSurface> fddprim_;
  std::shared_ptr<platform::IDirectDrawSurface> fddback_;
  platform::HRESULT last_result_ = platform::DD_OK;

  std::atomic<bool> active_ = true;
  std::atomic<bool> use_idle_ = true;
  bool timer_enabled_ = false;
  int32_t timer_delay_ = 40;
  uint32_t timer_id_ = 0;
  std::atomic<int32_t> tick_count_ = 0;
  int32_t big_tick_period_ = 500;
  std::atomic<bool> big_tick_ = false;

  // The test lines are drawn by the frame while the form thread may change them.
  mutable std::mutex overlay_mutex_;
  bool show_test_[3] = {false, false, false};
  std::string test_string_[3];
  bool handlers_installed_ = false;

  std::shared_ptr<platform::IDirectDrawGammaControl> gamma_control_;
  bool gamma_enabled_ = false;
};

}  // namespace lunvale::engine
