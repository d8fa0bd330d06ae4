// SPDX-License-Identifier: MIT
#include "scene/scene_form.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "platform/app/cursor.h"
#include "platform/app/keys.h"

#include "settings/settings_store.h"
#include "support/fake_display.h"
#include "support/scratch.h"

namespace lunvale::scene {
namespace {

using namespace std::chrono_literals;

// The scene form over the fake display, with the settings of the test's choosing.
class SceneFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::SetEnv("SDL_AUDIODRIVER", "dummy");
    // The form claims the display's sound; the claim stays the test's own, so that savers that other
    // tests run on the same X server meanwhile find the display's free.
    testing::SetEnv("XDG_RUNTIME_DIR", settings_.Folder().string());
  }

  // Writes the four panel switches and any texts, then creates the form as the run does.
  std::unique_ptr<TForm1> Create(int time, int weather, int news, int black,
                                 const std::map<std::string, std::string>& texts = {}) {
    const std::string key = settings::KeyPath(settings::kBrandName, settings::kSSName);
    settings::SettingsStore defaults;
    defaults.SetBrandName(settings::kBrandName);
    defaults.SetSSName(settings::kSSName);
    defaults.SetRegistry();  // a first run writes the other values
    settings::WriteRKey(key, "ShowTime", time);
    settings::WriteRKey(key, "ShowWeather", weather);
    settings::WriteRKey(key, "ShowNews", news);
    settings::WriteRKey(key, "ShowBlack", black);
    for (const auto& [name, value] : texts) settings::WriteAKey(key, name, value);
    auto form = std::make_unique<TForm1>(nullptr, backend_);
    form->Qss1()->MasterVolumeSetter = [](uint32_t) { return false; };
    form->FormCreate();
    form->Qss1()->SetTimerEnabled(false);  // frames are driven by hand below
    return form;
  }

  testing::ScratchSettings settings_;
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
  // Whose surface each blit into the back buffer takes, and where it goes; strips name their frame.
  std::map<std::string, std::string> owner;
  const auto name = [](platform::IDirectDrawSurface* s) {
    return dynamic_cast<testing::FakeSurface&>(*s).Name();
  };
  for (sprites::TQIM* image :
       {form->QIM1(), form->QIM2masktree(), form->QIM2GadgetPanel(),
        static_cast<sprites::TQIM*>(form->QGC1()), static_cast<sprites::TQIM*>(form->QGR1())})
    owner[name(image->FpSurface().get())] = std::string(image->Name());
  for (sprites::TQMV* strip :
       {form->QMV1(), form->QMV2(), form->QMV3SG(), form->QMV3SGsmall(), form->QMV3SGtiny()})
    for (int i = 0; i < strip->FrameCount(); ++i)
      owner[name(strip->FrameSurface(i))] = std::string(strip->Name()) + "#" + std::to_string(i);
  const auto frame = [&] {
    backend_->ClearCalls();
    form->Qss1()->TimerCallback();
    std::vector<std::string> blits;
    for (const std::string& call : backend_->Calls()) {
      int x = 0, y = 0;
      char source[16] = {};
      if (std::sscanf(call.c_str(), "back.BltFast(%d,%d,%15[^,]", &x, &y, source) != 3) continue;
      const std::string who = owner[source];
      // The gulls' places follow their paths; the rest have fixed ones.
      blits.push_back(who.starts_with("QMV3SG") ? who.substr(0, who.find('#'))
                                                : who + "@" + std::to_string(x) + "," + std::to_string(y));
    }
    return blits;
  };
  // Back to front: background, both water strips at the frame counter, the gulls smallest first, the
  // foreground over them, the panel strip, the clock's and the ticker's plates (no weather gadget).
  const int counter = form->FrameCounter();
  int whole = 0;
  for (int i = 1; i <= 32; ++i) {
    const std::vector<std::string> blits = frame();
    const int water = (counter + i) % 32;
    EXPECT_EQ(form->FrameCounter(), water);
    if (blits.size() < 10) continue;  // a gull off the screen
    ++whole;
    EXPECT_EQ(blits, (std::vector<std::string>{"QIM1@0,0", "QMV1#" + std::to_string(water) + "@375,500",
                                               "QMV2#" + std::to_string(water) + "@285,413", "QMV3SGtiny",
                                               "QMV3SGsmall", "QMV3SG", "QIM2masktree@90,181",
                                               "QIM2GadgetPanel@0,698", "QGC1@907,698", "QGR1@336,698"}));
  }
  EXPECT_EQ(form->FrameCounter(), counter);  // 32 frames bring the water back
  EXPECT_GT(whole, 0);
}

TEST(SceneLayout, TheCanvasIs768HighAndAsWideAsTheOutputsAspect) {
  const struct {
    std::optional<std::pair<int, int>> output;
    SceneLayout layout;
  } cases[] = {
      {std::nullopt, {1024, 0, 0, false}},
      {std::pair{1024, 768}, {1024, 0, 0, false}},
      {std::pair{1600, 1200}, {1024, 0, 0, false}},
      {std::pair{1280, 1024}, {960, -32, -64, false}},
      {std::pair{1920, 1080}, {1365, 170, 341, true}},
      {std::pair{1920, 1200}, {1229, 102, 205, true}},
      {std::pair{2560, 1080}, {1820, 398, 796, true}},
      {std::pair{800, 1280}, {960, -32, -64, false}},
      {std::pair{0, 0}, {1024, 0, 0, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.output ? c.output->first : -1);
    EXPECT_EQ(LayoutFor(c.output), c.layout);
  }
}

TEST_F(SceneFormTest, EveryShapeIsFilledWithTheGadgetsAgainstTheRightEdge) {
  for (const auto& [w, h] : {std::pair{1920, 1080}, {2560, 1080}, {1280, 1024}, {1024, 768}}) {
    SCOPED_TRACE(w);
    backend_->SetOutputSize(std::pair{w, h});
    auto form = Create(1, 1, 1, 0);
    const int width = form->Layout().width;
    EXPECT_EQ(form->Qss1()->GetWidthScreen(), width);
    EXPECT_EQ(form->QGC1()->GetShowX(), width - 117);
    EXPECT_EQ(form->QGW1()->GetShowX(), width - 117 - 336);
    EXPECT_EQ(form->QGR1()->GetShowX(), width - 1024);
    form->Qss1()->TimerCallback();
    // The background and the water reach every column (but the last, which the display leaves out of
    // any canvas but a 4:3 one): no black bar anywhere above the panel.
    const platform::PixelView back = backend_->Primary()->Pixels();
    ASSERT_EQ(back.width, width);
    for (int x = 0; x < back.width - 1; x += 1) {
      int lit = 0;
      for (int y = 0; y < 698; y += 8) lit += back.Row(y)[x] != 0;
      ASSERT_GT(lit, 60) << "column " << x;
    }
  }
}

TEST_F(SceneFormTest, OutputsOfSeveralShapesEachShowACanvasComposedForTheirOwn) {
  // The scene above the panel as one output of `size` alone shows it, after one frame.
  const auto alone = [&](std::pair<int, int> size) {
    backend_->SetOutputSizes({size});
    auto form = Create(1, 0, 0, 0);
    form->Qss1()->TimerCallback();
    const platform::PixelView back = backend_->Primary()->Pixels();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 698; ++y) pixels.insert(pixels.end(), back.Row(y), back.Row(y) + back.width);
    return pixels;
  };
  const std::vector<uint32_t> wide = alone({1920, 1080}), square = alone({1280, 1024});

  backend_->SetOutputSizes({{1920, 1080}, {1280, 1024}, {3840, 2160}});
  auto form = Create(1, 0, 0, 0);
  ASSERT_EQ(form->Canvases().size(), 2u);
  const std::vector<platform::FrameView> views{{0, 1365}, {1365, 960}, {0, 1365}};
  EXPECT_EQ(backend_->FrameViews(), views);
  form->Qss1()->TimerCallback();
  const platform::PixelView back = backend_->Primary()->Pixels();
  ASSERT_EQ(back.width, 1365 + 960);
  // The first canvas is the wide output's own frame; the second shows what the 5:4 output shows alone,
  // but for the compression of the panorama's pictures (the gulls, trees and water in their places).
  int64_t wide_differ = 0, square_diff = 0;
  for (int y = 0; y < 698; ++y)
    for (int x = 0; x < back.width; ++x) {
      const uint32_t p = back.Row(y)[x];
      if (x < 1365) {
        wide_differ += p != wide[static_cast<size_t>(y * 1365 + x)];
      } else {
        const uint32_t q = square[static_cast<size_t>(y * 960 + x - 1365)];
        for (int shift : {0, 8, 16})
          square_diff += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
      }
    }
  EXPECT_EQ(wide_differ, 0);
  EXPECT_LT(square_diff / (698 * 960 * 3), 3);
  EXPECT_EQ(form->QGC1()->GetShowX(), 1365 + 960 - 117);  // against the right edge of each canvas
}

int CursorCounter() {  // read without changing it
  platform::ShowCursor(true);
  return platform::ShowCursor(false);
}

TEST_F(SceneFormTest, OnlyEscapeLargeMouseStepsAndTheFunctionKeysEndTheRun) {
  // A browser stand-in that writes down what it is asked to open.
  const std::string dir = settings_.Folder().string(), opened = dir + "/opened";
  const std::optional<testing::ScopedEnv> browser = testing::BrowserStandIn(dir, opened);
  const auto opened_page = [&] {
    for (int i = 0; i < 100 && testing::ReadFile(opened).empty(); ++i) std::this_thread::sleep_for(50ms);
    const std::string page = testing::ReadFile(opened);
    std::filesystem::remove(opened);
    return page;
  };

  bool closed = false;
  const auto start = [&](const std::map<std::string, std::string>& texts = {}) {
    const int cursor = CursorCounter();
    auto form = Create(1, 1, 1, 0, texts);
    EXPECT_EQ(CursorCounter(), cursor - 1);
    closed = false;
    TForm1* f = form.get();
    // By the time the form closes, the rest of the exit sequence has run.
    form->OnClose = [&closed, f, cursor, this] {
      closed = true;
      EXPECT_FALSE(f->Qss1()->GetTimerEnabled());
      EXPECT_FALSE(backend_->DisplayOpen());
      EXPECT_EQ(CursorCounter(), cursor);
      EXPECT_EQ(f->BorderStyle(), platform::TBorderStyle::bsSizeable);
      EXPECT_EQ(f->Width(), 20);
      EXPECT_EQ(f->Height(), 20);
    };
    return form;
  };

  auto form = start();
  for (char key : {'a', 'Q', ' ', '\r', '\t'}) form->FormKeyPress(key);
  for (uint16_t key :
       {uint16_t{platform::VK_F1}, uint16_t{0x73}, uint16_t{'A'}, uint16_t{platform::VK_ESCAPE}})
    form->FormKeyDown(key, 0);
  EXPECT_FALSE(closed);
  char escape = 27;
  form->FormKeyPress(escape);
  EXPECT_TRUE(closed);

  // The first event records; steps of 5 keep running, and so does any step from a stored 0.
  form = start();
  for (auto [x, y] : {std::pair{0, 300}, {50, 300}, {55, 305}, {60, 300}}) form->FormMouseMove(0, x, y);
  EXPECT_FALSE(closed);
  form->FormMouseMove(0, 66, 300);
  EXPECT_TRUE(closed);
  form = start();
  for (auto [x, y] : {std::pair{300, 0}, {300, 40}}) form->FormMouseMove(0, x, y);
  EXPECT_FALSE(closed);
  form->FormMouseMove(0, 300, 46);
  EXPECT_TRUE(closed);

  // Where the desktop's browser cannot be stood in for, the keys that open pages are left alone.
  if (!browser) return;
  // F3: the forecast page of the stored place; a place the table does not know has none, and the
  // key does nothing. Shift+F2: the stored news link, as it is.
  uint16_t f3 = platform::VK_F3;
  form = start({{"TDegree", "c"}, {"WeatherCode", "12345"}});
  form->FormKeyDown(f3, 0);
  EXPECT_FALSE(closed);
  form = start({{"TDegree", "c"}, {"WeatherCode", "AFXX0005"}});
  form->FormKeyDown(f3, 0);
  EXPECT_TRUE(closed);
  EXPECT_EQ(opened_page(), "https://www.yr.no/en/forecast/daily-table/31.5938,64.3716\n");
  form = start();
  form->SetNewsLink("http://news.example.test/front?a=1&b=2");
  uint16_t f2 = platform::VK_F2;
  form->FormKeyDown(f2, platform::ssShift);
  EXPECT_TRUE(closed);
  EXPECT_EQ(opened_page(), "http://news.example.test/front?a=1&b=2\n");
}

}  // namespace
}  // namespace lunvale::scene
