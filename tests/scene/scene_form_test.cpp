#include "scene/scene_form.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/settings_store.h"
#include "support/fake_display.h"
#include "support/process.h"

namespace lunvale::scene {
namespace {

// The scene form over the fake display, with the settings of the test's choosing.
class SceneFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }

  // Writes the four panel switches, then creates the form as the run does.
  std::unique_ptr<TForm1> Create(int time, int weather, int news, int black) {
    const std::string key = settings::KeyPath(settings::kBrandName, settings::kSSName);
    settings::SettingsStore defaults;
    defaults.SetBrandName(settings::kBrandName);
    defaults.SetSSName(settings::kSSName);
    defaults.SetRegistry();  // a first run writes the other values
    settings::WriteRKey(key, "ShowTime", time);
    settings::WriteRKey(key, "ShowWeather", weather);
    settings::WriteRKey(key, "ShowNews", news);
    settings::WriteRKey(key, "ShowBlack", black);
    auto form = std::make_unique<TForm1>(nullptr, backend_);
    form->Qss1()->MasterVolumeSetter = [](uint32_t) { return false; };
    form->FormCreate();
    form->Qss1()->SetTimerEnabled(false);  // frames are driven by hand below
    return form;
  }

  testing::TempDir config_;
  std::shared_ptr<testing::FakeDisplayBackend> backend_ = std::make_shared<testing::FakeDisplayBackend>();
};

TEST_F(SceneFormTest, GadgetsArePackedAgainstTheRightEdgeAsTheSettingsSay) {
  const struct {
    int time, weather, news;
    int clock_x, weather_x, news_x;  // -1: not set up
  } cases[] = {
      {1, 1, 1, 907, 571, 0},  {1, 0, 0, 907, -1, -1},  {0, 1, 0, -1, 688, -1}, {0, 0, 1, -1, -1, 453},
      {1, 0, 1, 907, -1, 336}, {0, 1, 1, -1, 688, 117}, {0, 0, 0, -1, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::vector<int>{c.time, c.weather, c.news}));
    auto form = Create(c.time, c.weather, c.news, 0);
    const auto placed = [](sprites::TQIM* gadget, int x) {
      if (x < 0) {
        EXPECT_FALSE(gadget->FpSurface()) << "set up although hidden";
      } else {
        EXPECT_TRUE(gadget->FpSurface());
        EXPECT_EQ(gadget->GetShowX(), x);
        EXPECT_EQ(gadget->GetShowY(), 698);
      }
    };
    placed(form->QGC1(), c.clock_x);
    placed(form->QGW1(), c.weather_x);
    placed(form->QGR1(), c.news_x);
    // The panel strip is always set up, keyed unless ShowBlack.
    EXPECT_TRUE(form->QIM2GadgetPanel()->FpSurface());
    EXPECT_TRUE(form->QIM2GadgetPanel()->GetTransparency());
  }
}

TEST_F(SceneFormTest, AFrameDrawsTheSceneAndOnlyTheGadgetsShown) {
  auto form = Create(1, 0, 1, 1);
  EXPECT_FALSE(form->QIM2GadgetPanel()->GetTransparency());  // ShowBlack: drawn opaque
  backend_->ClearCalls();
  const int counter = form->FrameCounter();
  const int flips = backend_->FlipCount();
  form->Qss1()->TimerCallback();
  EXPECT_EQ(form->FrameCounter(), (counter + 1) % 32);
  EXPECT_EQ(backend_->FlipCount(), flips + 1);
  // Into the back buffer: background, two water frames, the gulls on screen, the foreground, the panel
  // strip, the clock's and the ticker's plates; the weather gadget is not shown.
  const int blits = backend_->CountCalls("back.BltFast(");
  EXPECT_GE(blits, 9);
  EXPECT_LE(blits, 11);
  for (int i = 0; i < 32; ++i) form->Qss1()->TimerCallback();
  EXPECT_EQ(form->FrameCounter(), (counter + 1) % 32);  // 32 frames bring the water back
}

}  // namespace
}  // namespace lunvale::scene
