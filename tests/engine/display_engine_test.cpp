// SPDX-License-Identifier: MIT
#include "engine/display_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/text/device_context.h"
#include "sprites/sprite_fixture.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"
#include "support/fake_display.h"
#include "support/scratch.h"

namespace lunvale::engine {
namespace {

using namespace std::chrono_literals;
using platform::DDERR_SURFACELOST;
using platform::DDERR_WASSTILLDRAWING;
using platform::E_FAIL;
using testing::FakeDisplayBackend;
using testing::FakeOp;

// An engine on a form that is never shown, over the fake display, with its settings in a folder of
// the test's own.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = std::make_shared<FakeDisplayBackend>();
    form_ = std::make_unique<platform::TForm>(nullptr);
    qss_ = new TQss(form_.get(), backend_);
    qss_->MasterVolumeSetter = [this](uint32_t v) {
      volumes_.push_back(v);
      return true;
    };
    // Each report notes whether the display was still open when it was raised.
    qss_->OnError = [this](platform::TComponent* sender) {
      EXPECT_EQ(sender, qss_);
      errors_.push_back(qss_->GetErrorResult() + (qss_->FDD() ? " (open)" : ""));
    };
    qss_->SetBrandName("Miravel Software");
    qss_->SetSSName("Lunvale Screensaver");
    qss_->SetUseIdle(false);
    qss_->SetWidthScreen(1024);
    qss_->SetHeightScreen(768);
    qss_->SetColorDepth(32);
    qss_->SetInterval(45);
  }
  void TearDown() override {
    qss_->SetEnabled(false);
    form_.reset();  // frees the engine with it
  }

  bool Open() const { return qss_->FDD() && qss_->FDDPRIM() && qss_->FDDBACK(); }

  testing::ScratchSettings settings_;
  std::shared_ptr<FakeDisplayBackend> backend_;
  std::unique_ptr<platform::TForm> form_;
  TQss* qss_ = nullptr;
  std::vector<uint32_t> volumes_;
  std::vector<std::string> errors_;
};

// The clear that starts every frame: a colour fill of the whole back buffer with 0, waiting.
constexpr char kClear[] = "back.Blt(null,16778240,0)";

TEST_F(EngineTest, EnablingOpensClearsFlipsAndAppliesTheSettingsOnce) {
  qss_->SetEnabled(true);
  ASSERT_TRUE(Open());
  EXPECT_TRUE(errors_.empty());
  // Exclusive full screen (17), the mode, a primary with flags 33 and caps 536 (primary, flip,
  // complex) and one back buffer fetched with caps 4; then black, shown, and the ramp.
  EXPECT_EQ(backend_->Calls(),
            (std::vector<std::string>{
                "DirectDrawCreate(null)", "SetCooperativeLevel(17)", "SetDisplayMode(1024,768,32)",
                "CreateSurface(primary,flags=33,caps=536,backbuffers=1)", "primary.GetAttachedSurface(4)",
                kClear, "primary.Flip(null,0)", "GetCaps", "primary.QueryGammaControl", "GetGammaRamp(0)",
                "SetGammaRamp(0)"}));
  EXPECT_EQ(qss_->LastResult(), platform::DD_OK);
  EXPECT_EQ(backend_->FlipCount(), 1);
  // First run: the defaults were stored and applied (brightness 256, volume 200).
  EXPECT_EQ(qss_->GetRGB(), 256);
  auto ramp = backend_->LastRampSet();
  ASSERT_TRUE(ramp.has_value());
  for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp->green[i], i * 256);
  EXPECT_EQ(volumes_, std::vector<uint32_t>{51199});
  EXPECT_FALSE(qss_->GammaEnabled());  // the control is given up once the ramp is set
  EXPECT_EQ(form_->BorderStyle(), platform::TBorderStyle::bsNone);
  EXPECT_EQ(form_->Color(), 0u);
  EXPECT_FALSE(qss_->Visible());

  // The same value again changes nothing; false closes once.
  qss_->SetEnabled(true);
  EXPECT_EQ(backend_->CountCalls("DirectDrawCreate"), 1);
  qss_->SetEnabled(false);
  EXPECT_FALSE(qss_->FDD());
  EXPECT_FALSE(backend_->DisplayOpen());
  backend_->ClearCalls();
  qss_->SetEnabled(false);
  EXPECT_TRUE(backend_->Calls().empty());
}

TEST_F(EngineTest, EachOpeningFailureIsReportedAndLeavesTheEngineClosed) {
  const struct {
    FakeOp op;
    const char* message;
  } cases[] = {
      {FakeOp::DirectDrawCreate, "Error DirectDrawCreate"},
      {FakeOp::SetCooperativeLevel, "Error SetCooperativeLevel"},
      {FakeOp::SetDisplayMode, "Error SetDisplayMode"},
      {FakeOp::CreatePrimarySurface, "Error CreatePrimarySurface"},
      {FakeOp::GetAttachedSurface, "Error CreateBackSurface"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    errors_.clear();
    backend_->Faults().ClearAll();
    backend_->Faults().Fail(c.op, platform::DDERR_INVALIDMODE);
    EXPECT_FALSE(qss_->OpenDirectDraw());
    EXPECT_EQ(errors_, std::vector<std::string>{c.message});
    EXPECT_EQ(qss_->LastResult(), platform::DDERR_INVALIDMODE);
    EXPECT_FALSE(qss_->FDD());
    EXPECT_FALSE(qss_->FDDPRIM());
    EXPECT_FALSE(backend_->DisplayOpen());
    // The owner keeps its black borderless look.
    EXPECT_EQ(form_->BorderStyle(), platform::TBorderStyle::bsNone);
  }
  // A failed open leaves Enabled true: enabling again does nothing.
  backend_->Faults().Fail(FakeOp::SetDisplayMode, platform::DDERR_INVALIDMODE);
  qss_->SetEnabled(true);
  EXPECT_TRUE(qss_->GetEnabled());
  backend_->Faults().ClearAll();
  backend_->ClearCalls();
  qss_->SetEnabled(true);
  EXPECT_EQ(backend_->CountCalls("DirectDrawCreate"), 0);
  // No frame is drawn while closed.
  qss_->TimerCallback();
  qss_->FlipSurfaces();
  EXPECT_EQ(backend_->FlipCount(), 0);
}

TEST_F(EngineTest, DualMonitorNeedsTwoMonitorsAndFallsBackWithoutEnumeration) {
  qss_->SetDualMonitor(true);
  backend_->SetMonitorCount(1);
  qss_->SetEnabled(true);
  EXPECT_EQ(errors_, std::vector<std::string>{"This program work only in dual monitor system!"});
  EXPECT_EQ(backend_->CountCalls("DirectDrawCreate"), 0);
  EXPECT_FALSE(Open());
  qss_->SetEnabled(false);

  errors_.clear();
  backend_->SetMonitorCount(2);
  backend_->SetEnumerationMissing(true);
  qss_->SetEnabled(true);
  EXPECT_EQ(errors_, std::vector<std::string>{"ERROR EnumerateScreens"});
  EXPECT_TRUE(Open());
  EXPECT_FALSE(backend_->LastDevice().has_value());  // the primary display
  EXPECT_EQ(qss_->EnumerateScreens(), E_FAIL);
  qss_->SetEnabled(false);

  errors_.clear();
  backend_->SetEnumerationMissing(false);
  qss_->SetEnabled(true);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(Open());
  ASSERT_TRUE(backend_->LastDevice().has_value());
  EXPECT_EQ(backend_->LastDevice()->display, 1);  // the second monitor's device
  qss_->SetEnabled(false);

  backend_->Faults().Fail(FakeOp::DirectDrawCreate, platform::DDERR_GENERIC);
  qss_->SetEnabled(true);
  EXPECT_EQ(errors_, std::vector<std::string>{"Error DirectDrawCreate on secondary monitor"});
}

TEST_F(EngineTest, BrightnessRampFollowsTheSlopeWithSixteenBitSums) {
  qss_->SetEnabled(true);
  ASSERT_TRUE(Open());
  const auto entry = [&](int i) { return backend_->LastRampSet()->red[i]; };
  qss_->SetRGB(128);
  EXPECT_EQ(entry(255), 32640);
  EXPECT_EQ(backend_->LastRampSet()->blue[255], 32640);
  qss_->SetRGB(0);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(entry(i), 0);
  qss_->SetRGB(300);
  EXPECT_EQ(entry(255), 10964);
  EXPECT_EQ(qss_->GetRGB(), 300);
  qss_->SetLinearRGB(256, 128, 0);
  EXPECT_EQ(backend_->LastRampSet()->red[255], 65280);
  EXPECT_EQ(backend_->LastRampSet()->green[255], 32640);
  EXPECT_EQ(backend_->LastRampSet()->blue[255], 0);
  EXPECT_EQ(qss_->GetRGB(), 300);  // the linear ramp leaves Brightness alone
  EXPECT_TRUE(errors_.empty());
}

TEST_F(EngineTest, BrightnessFailures) {
  // No primary gamma: nothing is set, nothing said, Brightness unchanged.
  backend_->SetGammaSupported(false);
  qss_->SetEnabled(true);
  ASSERT_TRUE(Open());
  EXPECT_FALSE(backend_->LastRampSet().has_value());
  qss_->SetRGB(100);
  EXPECT_EQ(qss_->GetRGB(), 256);
  EXPECT_TRUE(errors_.empty());

  // A lost primary: "Lost surface", the display stays open.
  backend_->SetGammaSupported(true);
  backend_->Primary()->Lose();
  qss_->SetRGB(100);
  EXPECT_EQ(errors_, std::vector<std::string>{"Lost surface (open)"});
  EXPECT_TRUE(Open());
  EXPECT_EQ(qss_->GetRGB(), 256);
  qss_->IsLostRestore();

  // Reading or setting the ramp fails: the display closes, Enabled stays true.
  for (auto [op, message] : {std::pair{FakeOp::GetGammaRamp, "Cannot GetGammaRamp"},
                             std::pair{FakeOp::SetGammaRamp, "Cannot SetGammaRamp"}}) {
    errors_.clear();
    qss_->SetEnabled(false);
    backend_->Faults().ClearAll();
    qss_->SetEnabled(true);
    ASSERT_TRUE(Open());
    backend_->Faults().Fail(op, E_FAIL);
    qss_->SetRGB(64);
    EXPECT_EQ(errors_, std::vector<std::string>{message});
    EXPECT_FALSE(Open());
    EXPECT_TRUE(qss_->GetEnabled());
    EXPECT_FALSE(qss_->GammaEnabled());
  }
}

TEST_F(EngineTest, VolumeIsScaledToSixteenBitsAndMixerFailuresAreSilent) {
  EXPECT_TRUE(qss_->SetMasterMixVolume(256));
  EXPECT_TRUE(qss_->SetMasterMixVolume(128));
  EXPECT_TRUE(qss_->SetMasterMixVolume(0));
  EXPECT_EQ(volumes_, (std::vector<uint32_t>{65535, 32767, 0}));
  qss_->MasterVolumeSetter = [](uint32_t) { return false; };
  EXPECT_FALSE(qss_->SetMasterMixVolume(200));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(EngineTest, FlipRetriesWhileStillDrawingAndRestoresALostDisplay) {
  qss_->SetEnabled(true);
  ASSERT_TRUE(Open());
  const int flips = backend_->FlipCount();
  backend_->Faults().Fail(FakeOp::Flip, DDERR_WASSTILLDRAWING, 3);
  backend_->ClearCalls();
  qss_->FlipSurfaces();
  EXPECT_EQ(backend_->CountCalls("primary.Flip"), 4);
  EXPECT_EQ(backend_->FlipCount(), flips + 1);

  // Lost during the flip: restored at once, and the flip ends.
  backend_->Faults().Fail(FakeOp::Flip, DDERR_SURFACELOST, 1);
  backend_->ClearCalls();
  backend_->Primary()->Lose();
  backend_->Primary()->Faults().Fail(FakeOp::Restore, E_FAIL, 1);
  qss_->FlipSurfaces();  // restore fails at the frame's start; the flip's restore succeeds
  EXPECT_EQ(backend_->CountCalls("primary.Restore"), 2);
  EXPECT_FALSE(backend_->Primary()->Lost());

  // Other flip failures end the flip without a word.
  backend_->Faults().Fail(FakeOp::Flip, platform::DDERR_GENERIC, 1);
  qss_->FlipSurfaces();
  EXPECT_TRUE(errors_.empty());
}

TEST_F(EngineTest, TimerRunsOnlyWhileEnabledAndActiveAndCountsBigTicks) {
  qss_->SetTimerEnabled(true);
  EXPECT_FALSE(qss_->GetTimerEnabled());  // not before the display is enabled
  EXPECT_EQ(qss_->TimerId(), 0u);

  qss_->SetInterval(45);
  EXPECT_EQ(qss_->BigTickPeriod(), 440);
  qss_->SetInterval(40);
  EXPECT_EQ(qss_->BigTickPeriod(), 500);
  qss_->SetInterval(1000);
  EXPECT_EQ(qss_->BigTickPeriod(), 20);

  qss_->SetEnabled(true);
  std::atomic<int> frames{0};
  std::atomic<bool> other_thread{false};
  const auto main_thread = std::this_thread::get_id();
  qss_->OnTimer = [&](platform::TComponent*) {
    frames++;
    if (std::this_thread::get_id() != main_thread) other_thread = true;
  };
  for (int i = 0; i < 20; ++i) qss_->TimerCallback();
  EXPECT_FALSE(qss_->GetBigTick());
  qss_->TimerCallback();  // the 21st tick passes the period
  EXPECT_TRUE(qss_->GetBigTick());
  EXPECT_EQ(qss_->TickCount(), 0);
  EXPECT_EQ(frames, 21);

  // Inactive: no frame, no count; active again resumes both and restarts the timer.
  qss_->AppDeactivate(qss_);
  const int flips = backend_->FlipCount();
  qss_->TimerCallback();
  EXPECT_EQ(qss_->TickCount(), 0);
  EXPECT_EQ(backend_->FlipCount(), flips);
  EXPECT_FALSE(qss_->GetTimerEnabled());
  qss_->SetInterval(5);
  qss_->AppActivate(qss_);
  EXPECT_TRUE(qss_->GetTimerEnabled());
  EXPECT_NE(qss_->TimerId(), 0u);
  for (int i = 0; i < 400 && frames < 26; ++i) std::this_thread::sleep_for(5ms);
  EXPECT_GE(frames, 26);
  EXPECT_TRUE(other_thread);
  // Closing stops the timer before anything is released.
  qss_->SetEnabled(false);
  EXPECT_EQ(qss_->TimerId(), 0u);
  const int after = frames;
  std::this_thread::sleep_for(30ms);
  EXPECT_EQ(frames, after);
}

TEST_F(EngineTest, AFrameClearsThenLetsTheOwnerDrawThenFlipsInTimerAndIdleMode) {
  // The owner's drawing: a red fill of one small rectangle, recorded between the clear and the flip.
  const auto draw = [this](platform::TComponent*) {
    platform::DDBLTFX fx;
    fx.dwFillColor = 0xFF0000;
    const platform::RECT rect{1, 2, 3, 4};
    qss_->FDDBACK()->Blt(&rect, nullptr, nullptr, platform::DDBLT_COLORFILL, &fx);
  };
  const std::vector<std::string> frame{kClear, "back.Blt([1,2,3,4],1024,16711680)", "primary.Flip(null,0)"};
  qss_->OnTimer = draw;
  qss_->SetEnabled(true);
  backend_->ClearCalls();
  qss_->TimerCallback();
  EXPECT_EQ(backend_->Calls(), frame);
  EXPECT_EQ(backend_->Primary()->Pixels().Row(2)[1], 0xFF0000u);
  qss_->SetEnabled(false);

  qss_->OnTimer = nullptr;
  qss_->OnGameLoop = draw;
  qss_->SetUseIdle(true);
  qss_->SetEnabled(true);
  EXPECT_TRUE(platform::Application::Instance().HasIdleHandler());
  backend_->ClearCalls();
  bool done = true;
  qss_->GameLoop(qss_, done);
  EXPECT_FALSE(done);  // called again at once
  EXPECT_EQ(backend_->Calls(), frame);
  qss_->AppDeactivate(qss_);
  EXPECT_FALSE(platform::Application::Instance().HasIdleHandler());
  backend_->ClearCalls();
  qss_->GameLoop(qss_, done);
  EXPECT_TRUE(backend_->Calls().empty());
  qss_->AppActivate(qss_);
  EXPECT_TRUE(platform::Application::Instance().HasIdleHandler());
  qss_->SetEnabled(false);
  EXPECT_FALSE(platform::Application::Instance().HasIdleHandler());
}

// The overlay as the engine must show it: white lines in the context's default font at (20, y).
platform::Bitmap Overlay(const std::vector<std::pair<int, std::string>>& lines) {
  platform::Bitmap expected(1024, 768);
  platform::DeviceContext dc(expected.View());
  dc.SetBkMode(platform::TRANSPARENT);
  dc.SetTextColor(platform::Rgb(255, 255, 255));
  for (const auto& [y, text] : lines) dc.TextOut(20, y, text);
  return expected;
}

bool Shows(platform::PixelView shown, const platform::Bitmap& expected) {
  const platform::PixelView e = const_cast<platform::Bitmap&>(expected).View();
  for (int y = 0; y < shown.height; ++y)
    if (!std::equal(shown.Row(y), shown.Row(y) + shown.width, e.Row(y))) return false;
  return true;
}

TEST_F(EngineTest, OverlayLinesAreWhiteTextAtTheirRows) {
  qss_->SetEnabled(true);
  const auto frame = [this] {
    qss_->ClearBackSurface();
    qss_->FlipSurfaces();
    return backend_->Primary()->Pixels();
  };
  qss_->SetTestString("Line one");
  qss_->SetTestString2("Line two");
  qss_->SetTestString3("Line three");
  qss_->SetShowTestString2(true);
  EXPECT_TRUE(Shows(frame(), Overlay({{40, "Line two"}})));
  qss_->SetShowTestString(true);
  qss_->SetShowTestString3(true);
  EXPECT_TRUE(Shows(frame(), Overlay({{20, "Line one"}, {40, "Line two"}, {60, "Line three"}})));

  // The rate is measured over ten flips: 15 ms apart they read two digits (10000 / 150..999 ms),
  // where a measurement of each flip would read three. 21 flips hold one whole measurement.
  qss_->SetShowTestString(false);
  qss_->SetShowTestString2(false);
  qss_->SetShowTestString3(false);
  qss_->SetshowFPS(true);
  for (int i = 0; i < 21; ++i) {
    std::this_thread::sleep_for(15ms);
    frame();
  }
  const platform::PixelView shown = backend_->Primary()->Pixels();
  int matching = 0;
  for (int rate = 10; rate < 100; ++rate)
    matching += Shows(shown, Overlay({{768 - 30, "Frame rate: " + std::to_string(rate) + " FPS"}}));
  EXPECT_EQ(matching, 1);

  // A failed device context skips the line for that frame.
  backend_->Faults().Fail(FakeOp::GetDC, E_FAIL);
  EXPECT_TRUE(Shows(frame(), Overlay({})));
}

TEST(FrameRate, TenFlipsOverTheElapsedTimeTruncated) {
  EXPECT_EQ(FrameRateFromElapsed(500), 20);
  EXPECT_EQ(FrameRateFromElapsed(450), 22);
  EXPECT_EQ(FrameRateFromElapsed(100), 100);
  EXPECT_EQ(FrameRateFromElapsed(20000), 0);
  EXPECT_EQ(FrameRateFromElapsed(0), -1);
}

TEST_F(EngineTest, FullExitShrinksAndClosesTheOwner) {
  bool closed = false;
  form_->OnClose = [&] { closed = true; };
  qss_->FullExit();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(form_->Visible());
  EXPECT_EQ(form_->Width(), 20);
  EXPECT_EQ(form_->Height(), 20);
  EXPECT_EQ(form_->BorderStyle(), platform::TBorderStyle::bsSizeable);
}

TEST_F(EngineTest, DestroyingARunningEngineStopsItsTimerFirst) {
  qss_->SetEnabled(true);
  qss_->SetInterval(1);
  std::atomic<int> frames{0};
  qss_->OnTimer = [&](platform::TComponent*) {
    frames++;
    std::this_thread::sleep_for(2ms);
  };
  qss_->SetTimerEnabled(true);
  while (frames < 3) std::this_thread::sleep_for(1ms);
  form_.reset();  // must not tick into freed memory
  const int after = frames;
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(frames, after);
  form_ = std::make_unique<platform::TForm>(nullptr);
  qss_ = new TQss(form_.get(), backend_);
}

}  // namespace
}  // namespace lunvale::engine

namespace lunvale::engine {
namespace {

// A gadget-like component: a still picture under another class name.
class GadgetLike : public sprites::TQIM {
 public:
  using TQIM::TQIM;
  std::string_view ClassName() const override { return "TQGC"; }
};

TEST_F(EngineTest, ClosingAndRestoringVisitExactlyTheStillAndStripClasses) {
  qss_->SetEnabled(true);
  const auto make_still = [&](sprites::TQIM* image) {
    image->SetParent(qss_);
    image->SetPicture(sprites::testing_support::Plain(8, 8, 0x123456));
    image->CreateDXImage();
    return image;
  };
  sprites::TQIM* still = make_still(new sprites::TQIM(form_.get()));
  sprites::TQIM* gadget = make_still(new GadgetLike(form_.get()));
  // A strip made at run time with the form as owner takes part like the others.
  auto* strip = new sprites::TQMV(form_.get());
  strip->SetParent(qss_);
  strip->SetPicture(sprites::testing_support::Plain(4, 12, 0x654321));
  strip->SetYOffsetFrame(4);
  strip->CreateDXMovie();
  ASSERT_EQ(strip->FrameCount(), 3);
  ASSERT_TRUE(still->FpSurface());
  ASSERT_TRUE(gadget->FpSurface());

  // Lost display: the primary first, then the still and the strip frames, not the gadget.
  backend_->LoseAll();
  backend_->ClearCalls();
  qss_->IsLostRestore();
  const std::vector<std::string> calls = backend_->Calls();
  std::vector<std::string> restores;
  for (const auto& c : calls)
    if (c.find(".Restore") != std::string::npos) restores.push_back(c);
  // The primary (with its back buffer), the still (s1) and the three frames (s3..s5); not the gadget (s2).
  EXPECT_EQ(restores, (std::vector<std::string>{"primary.Restore", "back.Restore", "s1.Restore", "s3.Restore",
                                                "s4.Restore", "s5.Restore"}));
  EXPECT_TRUE(backend_->Offscreen()[1]->Lost());  // the gadget's surface stays lost

  // While the primary cannot be restored, nothing else is tried.
  backend_->LoseAll();
  backend_->Primary()->Faults().Fail(FakeOp::Restore, E_FAIL, 1);
  backend_->ClearCalls();
  qss_->IsLostRestore();
  EXPECT_EQ(backend_->CountCalls("primary.Restore"), 1);
  EXPECT_EQ(backend_->Calls().size(), 1u);

  qss_->SetEnabled(false);
  EXPECT_FALSE(still->FpSurface());
  EXPECT_EQ(strip->FrameSurface(0), nullptr);
  EXPECT_TRUE(gadget->FpSurface());  // gadgets release their own
}

}  // namespace
}  // namespace lunvale::engine
