// SPDX-License-Identifier: MIT
#include "gadgets/weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "gadgets/gadget_test_support.h"
#include "platform/pictures/picture.h"
#include "scene/scene_setup.h"
#include "sprites/sprite_fixture.h"
#include "support/picture_files.h"
#include "support/reference_picture.h"

namespace lunvale::gadgets {
namespace {

using lunvale::testing::FakeOp;
using platform::PixelView;
using namespace sprites::testing_support;
using namespace gadgets::testing_support;

constexpr int kX = 571, kY = 698;  // the plate's place with all three gadgets shown
constexpr int kFrames = 49, kSide = 52;

// A strip whose frame n is filled with a colour that names n, so the drawn frame can be read back.
uint32_t FrameColour(int n) {
  return static_cast<uint32_t>(n + 1) << 16 | 0x8040;
}

int FrameAt(PixelView view, int x, int y) {
  const uint32_t p = At(view, x, y);
  if ((p & 0xFFFF) != 0x8040) return -1;
  return static_cast<int>(p >> 16) - 1;
}

bool Lit(uint32_t p) {
  return (p & 0xFFFFFF) != 0;
}

class TQGWTest : public SpriteDisplay {
 protected:
  void SetUp() override {
    SpriteDisplay::SetUp();
    Open();
  }

  sprites::TQMV* MakeStrip() {
    auto* strip = Make<sprites::TQMV>(
        BmpPicture(kSide, kSide * kFrames, [](int, int y) { return FrameColour(y / kSide); }));
    scene::SetupStrip(strip, true, false, 0, 0, false, kSide, 0, 0);
    EXPECT_EQ(strip->FrameCount(), kFrames);
    return strip;
  }

  TQGW* MakeGadget(bool with_strip = true) {
    TQGW* gadget = Make<TQGW>();
    gadget->SetShowX(kX);
    gadget->SetShowY(kY);
    if (with_strip) gadget->SetWeatherPicVCL(MakeStrip());
    qss_->OnTimer = [gadget](platform::TComponent*) { gadget->DrawGadgetWeather(); };
    return gadget;
  }

  PixelView Frame() {
    qss_->TimerCallback();
    return backend_->Primary()->Pixels();
  }

  // The texts drawn alone on black, as the gadget must draw them.
  platform::Bitmap Expected(const std::string& today, const std::string& range) {
    platform::Bitmap expected(1024, 768);
    platform::DeviceContext dc(expected.View());
    dc.SelectFont(platform::Font::Create("Arial", 20, platform::FW_BOLD));
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::Rgb(255, 255, 255));
    dc.TextOut(kX + 153, kY + 29, today);
    dc.TextOut(kX + 265, kY + 29, range);
    return expected;
  }

  static int Width(std::string_view text) { return TextWidth(20, text); }
};

// Pixels that differ from `expected` outside the two pictures' squares.
int TextDifferences(PixelView frame, PixelView expected) {
  int differing = 0;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const bool picture = y >= kY + 8 && y < kY + 8 + kSide &&
                           ((x >= kX + 94 && x < kX + 94 + kSide) || (x >= kX + 206 && x < kX + 206 + kSide));
      if (!picture) differing += At(frame, x, y) != At(expected, x, y);
    }
  return differing;
}

TEST_F(TQGWTest, BeforeAnyFeedItShowsNotAvailableTwiceAndNATexts) {
  TQGW* gadget = MakeGadget();
  EXPECT_EQ(gadget->ClassName(), "TQGW");
  EXPECT_EQ(gadget->GetTodayCode(), 48);
  EXPECT_EQ(gadget->GetTomorrowCode(), 48);
  EXPECT_EQ(gadget->GetTodayNow(), "NA");
  EXPECT_EQ(gadget->GetTomorrowHi(), "NA");
  EXPECT_EQ(gadget->GetTomorrowLow(), "NA");
  EXPECT_EQ(gadget->GetRefreshCounter(), 0);

  const PixelView frame = Frame();
  EXPECT_EQ(FrameAt(frame, kX + 94, kY + 8), 48);
  EXPECT_EQ(FrameAt(frame, kX + 94 + 51, kY + 8 + 51), 48);
  EXPECT_EQ(FrameAt(frame, kX + 206, kY + 8), 48);
  EXPECT_FALSE(Lit(At(frame, kX + 93, kY + 8)));
  EXPECT_FALSE(Lit(At(frame, kX + 94, kY + 7)));
  EXPECT_FALSE(Lit(At(frame, kX + 206 + 52, kY + 8 + 52)));
  EXPECT_EQ(TextDifferences(frame, Expected("NA\xB0", "NA...NA\xB0").View()), 0);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQGWTest, TemperaturesSitAtTheirPointsWithTheDegreeSign) {
  TQGW* gadget = MakeGadget();
  gadget->SetTodayNow("67");
  gadget->SetTomorrowLow("58");
  gadget->SetTomorrowHi("78");
  const PixelView frame = Frame();
  EXPECT_EQ(TextDifferences(frame, Expected("67\xB0", "58...78\xB0").View()), 0);
  // From the plate's left edge to the screen's right, where the range runs on.
  EXPECT_EQ(lunvale::testing::ReferenceDifferences(frame, kX, kY, 1024 - kX, 69, "gadgets/weather-67-58-78"),
            0);

  // The degree sign is the code page's byte; the drawn sign is the same one a UTF-8 text gets.
  EXPECT_EQ(TextDifferences(Frame(), Expected("67\xC2\xB0", "58...78\xC2\xB0").View()), 0);

  // An empty temperature leaves the degree sign alone at the point.
  gadget->SetTodayNow("");
  gadget->SetTomorrowLow("");
  gadget->SetTomorrowHi("");
  EXPECT_EQ(TextDifferences(Frame(), Expected("\xB0", "...\xB0").View()), 0);

  // UTF-8 text from a feed keeps its characters next to the sign (a lone byte 176 after it would
  // turn the whole text into code page characters).
  const std::string minus = "\xE2\x88\x92";  // U+2212
  const std::string plus_minus = "\xB1";     // the code page's
  gadget->SetTodayNow(minus + "5");
  gadget->SetTomorrowLow(minus + "9");
  gadget->SetTomorrowHi("1");
  EXPECT_EQ(TextDifferences(Frame(), Expected(minus + "5\xC2\xB0", minus + "9...1\xC2\xB0").View()), 0);
  // Bytes that are not UTF-8 stay code page text.
  gadget->SetTodayNow(plus_minus + "5");
  gadget->SetTomorrowLow("5");
  EXPECT_EQ(TextDifferences(Frame(), Expected(plus_minus + "5\xB0", "5...1\xB0").View()), 0);
  EXPECT_EQ(gadget->GetTodayNow(), plus_minus + "5");
}

TEST_F(TQGWTest, TextsRunFromTheirPointsAndTomorrowsRangeReachesPastThePlate) {
  TQGW* gadget = MakeGadget();
  gadget->SetTodayNow("67");
  gadget->SetTomorrowLow("-58");
  gadget->SetTomorrowHi("-78");
  const PixelView frame = Frame();
  // Lit pixels right of tomorrow's picture belong to the range: it starts at +265, and the longest
  // plain range of the art's font is wider than the 71 pixels left on the 336-pixel plate.
  const Ink range = InkIn(frame, kX + 206 + kSide, 0, 1024, 768);
  EXPECT_GE(range.left, kX + 265);
  EXPECT_LE(range.left, kX + 265 + 2);
  EXPECT_GE(range.top, kY + 29);
  EXPECT_LT(range.bottom, kY + 29 + 20);
  EXPECT_GT(Width("-58...-78\xB0"), 336 - 265);
  EXPECT_GT(range.right, kX + 336);
}

TEST_F(TQGWTest, PicturesFollowTheCodesAndUnknownCodesShowNotAvailable) {
  TQGW* gadget = MakeGadget();
  sprites::TQMV* strip = gadget->GetWeatherPicVCL();
  struct Case {
    int32_t today, tomorrow;  // set
    int today_frame, tomorrow_frame;
    int32_t today_after, tomorrow_after;  // read back after the frame
  };
  const Case cases[] = {
      {32, 30, 32, 30, 32, 30},
      {0, 47, 0, 47, 0, 47},  // the ends of the table stay
      {48, 49, 48, 48, 48, 48},
      {50, 3200, 48, 48, 48, 48},  // the service's own "not available" code
      {INT32_MAX, 199, 48, 48, 48, 48},
      {-1, INT32_MIN, 48, 48, -1, INT32_MIN},  // no frame for them; the codes are kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.today) + " " + std::to_string(c.tomorrow));
    gadget->SetTodayCode(c.today);
    gadget->SetTomorrowCode(c.tomorrow);
    const PixelView frame = Frame();
    EXPECT_EQ(FrameAt(frame, kX + 94 + 26, kY + 8 + 26), c.today_frame);
    EXPECT_EQ(FrameAt(frame, kX + 206 + 26, kY + 8 + 26), c.tomorrow_frame);
    EXPECT_EQ(gadget->GetTodayCode(), c.today_after);
    EXPECT_EQ(gadget->GetTomorrowCode(), c.tomorrow_after);
    // The shared strip is left where tomorrow's picture went.
    EXPECT_EQ(strip->GetShowX(), kX + 206);
    EXPECT_EQ(strip->GetShowY(), kY + 8);
    EXPECT_EQ(strip->GetNumberFrame(), c.tomorrow_frame);
  }
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQGWTest, WithoutStripNothingAndWithoutContextOnlyThePictures) {
  TQGW* gadget = MakeGadget(false);
  gadget->SetTodayCode(99);
  const PixelView none = Frame();
  EXPECT_TRUE(InkIn(none, 0, 0, 1024, 768).Empty());
  EXPECT_EQ(gadget->GetTodayCode(), 99);  // not even the codes are touched

  gadget->SetWeatherPicVCL(MakeStrip());
  backend_->Back()->Faults().Fail(FakeOp::GetDC, platform::DDERR_GENERIC);
  const PixelView pictures = Frame();
  EXPECT_EQ(FrameAt(pictures, kX + 94 + 26, kY + 8 + 26), 48);
  EXPECT_EQ(FrameAt(pictures, kX + 206 + 26, kY + 8 + 26), 48);
  EXPECT_EQ(TextDifferences(pictures, platform::Bitmap(1024, 768).View()), 0);
  EXPECT_EQ(gadget->GetTodayCode(), 48);
  EXPECT_EQ(errors_, 0);
  EXPECT_EQ(gadget->GetErrorResult(), "");

  backend_->Back()->Faults().ClearAll();
  EXPECT_EQ(TextDifferences(Frame(), Expected("NA\xB0", "NA...NA\xB0").View()), 0);
  // Closed display: no back buffer, nothing drawn, nothing reported by the gadget.
  qss_->SetEnabled(false);
  gadget->DrawGadgetWeather();
  EXPECT_EQ(gadget->GetErrorResult(), "");
}

TEST_F(TQGWTest, TheGadgetOverItsPlateWithTheArtsPictures) {
  TQGW* gadget = Make<TQGW>();
  ASSERT_TRUE(gadget->LoadPicture("QGW1"));
  scene::SetupImage(gadget, true, true, 69, 336, kY, kX);
  auto* strip = Make<sprites::TQMV>();
  ASSERT_TRUE(strip->LoadPicture("QMV3Weather"));
  scene::SetupStrip(strip, true, false, 0, 0, false, kSide, 0, 0);
  ASSERT_EQ(strip->FrameCount(), kFrames);
  gadget->SetWeatherPicVCL(strip);
  gadget->SetTodayCode(32);
  gadget->SetTomorrowCode(30);
  gadget->SetTodayNow("67");
  gadget->SetTomorrowLow("58");
  gadget->SetTomorrowHi("78");
  qss_->OnTimer = [gadget](platform::TComponent*) {
    gadget->DrawImage();
    gadget->DrawGadgetWeather();
  };
  const PixelView frame = Frame();
  ASSERT_EQ(errors_, 0) << gadget->GetErrorResult() << strip->GetErrorResult();
  // The art's pictures are opaque squares; everything lies on the plate's rows.
  EXPECT_NE(At(frame, kX + 94 + 26, kY + 8 + 26), At(frame, kX + 206 + 26, kY + 8 + 26));
  EXPECT_TRUE(InkIn(frame, 0, kY - 1, 1024, kY).Empty());
  if (const char* path = std::getenv("LUNVALE_WEATHER_SNAPSHOT")) {
    lunvale::testing::SaveSnapshot(frame, path);
  }
}

TEST_F(TQGWTest, TheFetcherMayHandOverValuesWhileTheTimerDrawsFrames) {
  TQGW* gadget = MakeGadget();
  std::atomic<int> frames = 0;
  qss_->OnTimer = [gadget, &frames](platform::TComponent*) {
    gadget->DrawGadgetWeather();
    ++frames;
  };
  qss_->SetInterval(1);
  qss_->SetTimerEnabled(true);
  for (int i = 0; frames < 30 && i < 3000; ++i) {
    gadget->SetTodayCode(i % 60 - 5);
    gadget->SetTomorrowCode(i % 50);
    gadget->SetTodayNow(std::to_string(i));
    gadget->SetTomorrowLow(std::string(static_cast<size_t>(i % 40), '1'));
    gadget->SetTomorrowHi(i % 2 ? "NA" : "\xE2\x88\x92\x33");
    gadget->SetRefreshCounter(i % 31);
    (void)gadget->GetTodayCode();
    (void)gadget->GetTomorrowLow();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  qss_->SetTimerEnabled(false);
  EXPECT_GE(frames.load(), 30);
  EXPECT_EQ(errors_, 0);
}

}  // namespace
}  // namespace lunvale::gadgets
