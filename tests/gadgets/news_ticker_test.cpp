// SPDX-License-Identifier: MIT
#include "gadgets/news_ticker.h"

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

constexpr int kX = 0, kY = 698;  // the plate's place with all three gadgets shown
// The line's clipping box on the screen; right and bottom exclusive.
constexpr int kBoxLeft = kX + 15, kBoxRight = kX + 560, kBoxTop = kY + 10, kBoxBottom = kY + 50;
constexpr int kLineTop = kY + 30;

class TQGRTest : public SpriteDisplay {
 protected:
  void SetUp() override {
    SpriteDisplay::SetUp();
    Open();
  }

  TQGR* MakeTicker() {
    TQGR* ticker = Make<TQGR>();
    ticker->SetShowX(kX);
    ticker->SetShowY(kY);
    qss_->OnTimer = [ticker](platform::TComponent*) { ticker->DrawRssNews(); };
    return ticker;
  }

  PixelView Frame() {
    qss_->TimerCallback();
    return backend_->Primary()->Pixels();
  }

  static int Width(std::string_view text) { return TextWidth(16, text); }

  // Title and line drawn alone on black, as the ticker must draw them at `offset`.
  platform::Bitmap Expected(const std::string& title, const std::string& line, int offset) {
    platform::Bitmap expected(1024, 768);
    platform::DeviceContext dc(expected.View());
    dc.SelectFont(platform::Font::Create("Arial", 16, platform::FW_BOLD));
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::Rgb(153, 153, 153));
    dc.TextOut(kX + 90, kY + 7, title);
    dc.SetTextColor(platform::Rgb(255, 255, 255));
    const platform::Rect clip{kBoxLeft, kBoxTop, kBoxRight, kBoxBottom};
    dc.ExtTextOut(kBoxRight - offset, kLineTop, platform::ETO_CLIPPED, &clip, line.data(),
                  static_cast<int>(line.size()));
    return expected;
  }
};

// Titles joined as the feed fetcher joins them; some thousand pixels wide.
std::string LongLine() {
  std::string line;
  for (int i = 0; i < 12; ++i) line += "Headline number " + std::to_string(i) + " of the day  ***  ";
  return line;
}

TEST_F(TQGRTest, TheDefaultLineCreepsInFromTheBoxsRightEdgeUnderAnEmptyTitle) {
  TQGR* ticker = MakeTicker();
  EXPECT_EQ(ticker->ClassName(), "TQGR");
  EXPECT_EQ(ticker->GetRssLine(), "*** Not Available Now ***");
  EXPECT_EQ(ticker->GetNameNews(), "");
  EXPECT_EQ(ticker->GetScrollOffset(), 0);

  const std::string line = "*** Not Available Now ***";
  for (int frame = 1; frame <= 150; ++frame) {
    const PixelView view = Frame();
    ASSERT_EQ(ticker->GetScrollOffset(), 2 * frame);
    if (frame == 1 || frame == 20 || frame == 150) {
      EXPECT_EQ(Differences(view, Expected("", line, 2 * frame).View()), 0) << frame;
    }
  }
  // Well inside the box: the whole text, with its left edge 300 pixels left of the right edge.
  const Ink box = InkIn(backend_->Primary()->Pixels(), 0, 0, 1024, 768);
  EXPECT_GE(box.left, kBoxRight - 300);
  EXPECT_LE(box.left, kBoxRight - 300 + 2);
  EXPECT_GE(box.top, kLineTop);
  EXPECT_LT(box.bottom, kLineTop + 16);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQGRTest, TheOffsetStepsByTwoAndWrapsOnceTheLineHasLeftTheBox) {
  TQGR* ticker = MakeTicker();
  struct Case {
    std::string line;
    int frames_per_cycle;
  };
  const std::string long_line = LongLine();
  const int w = Width(long_line);
  ASSERT_GT(w, 1000);
  const Case cases[] = {
      {long_line, (545 + w) / 2 + 1},
      {"", 273},  // nothing to see: 2 .. 544, then 0
      {"x", (545 + Width("x")) / 2 + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.size());
    ticker->SetRssLine(c.line);
    // Run to the wrap so the cycle starts clean; the drawing alone moves the line, no flip needed.
    for (int i = 0; i < 4000 && (i == 0 || ticker->GetScrollOffset() != 0); ++i) ticker->DrawRssNews();
    ASSERT_EQ(ticker->GetScrollOffset(), 0);
    std::vector<int32_t> offsets;
    for (int i = 0; i < c.frames_per_cycle + 2; ++i) {
      ticker->DrawRssNews();
      offsets.push_back(ticker->GetScrollOffset());
    }
    const int width = 545 + Width(c.line);
    // 2, 4, ... up to the last even offset not past width + W, then 0, and the same again.
    for (int i = 0; i < c.frames_per_cycle + 2; ++i) {
      const int k = i % c.frames_per_cycle;
      const int expected = k + 1 < c.frames_per_cycle ? 2 * (k + 1) : 0;
      ASSERT_EQ(offsets[static_cast<size_t>(i)], expected) << i;
    }
    EXPECT_LE(2 * (c.frames_per_cycle - 1), width);
    EXPECT_GT(2 * c.frames_per_cycle, width);
  }
}

TEST_F(TQGRTest, TheLineNeverLeavesItsBoxAndTheTitleIsNotClipped) {
  TQGR* ticker = MakeTicker();
  const std::string line = LongLine();
  ticker->SetRssLine(line);
  const int cycle = (545 + Width(line)) / 2 + 1;
  bool reached_left = false, reached_right = false;
  const PixelView back = BackPixels();
  for (int i = 0; i < cycle + 3; ++i) {
    // Only the band around the plate is cleared and searched, to keep a cycle's frames quick.
    for (int y = kY - 40; y < 768; ++y) std::fill(back.Row(y), back.Row(y) + back.width, 0u);
    ticker->DrawRssNews();
    const Ink all = InkIn(back, 0, kY - 40, 1024, 768);
    if (all.Empty()) continue;
    ASSERT_GE(all.left, kBoxLeft) << i;
    ASSERT_LT(all.right, kBoxRight) << i;
    ASSERT_GE(all.top, kBoxTop) << i;
    ASSERT_LT(all.bottom, kBoxBottom) << i;
    reached_left |= all.left == kBoxLeft;
    reached_right |= all.right == kBoxRight - 1;
  }
  EXPECT_TRUE(reached_left);
  EXPECT_TRUE(reached_right);
  EXPECT_TRUE(InkIn(Frame(), 0, 0, 1024, kY - 40).Empty());

  // A feed name wider than the plate runs on past it, in grey at its point.
  const std::string name = "A News Channel With A Remarkably Long Name, Longer Than The Plate Is Wide";
  ticker->SetNameNews(name);
  ASSERT_GT(kX + 90 + Width(name), kX + 572);
  const PixelView view = Frame();
  EXPECT_EQ(Differences(view, Expected(name, line, ticker->GetScrollOffset()).View()), 0);
  EXPECT_EQ(lunvale::testing::ReferenceDifferences(view, 0, kY, 1024, 69, "gadgets/ticker-long-name"), 0);
  const Ink title = InkIn(view, 0, 0, 1024, kLineTop);
  EXPECT_GT(title.right, kX + 572);
  EXPECT_EQ(At(view, title.left, title.top) & 0xFF, At(view, title.left, title.top) >> 16 & 0xFF);
}

TEST_F(TQGRTest, ANewLineGoesOnFromTheOffsetAndAShortOneRestartsAtOnce) {
  TQGR* ticker = MakeTicker();
  ticker->SetRssLine(LongLine());
  for (int i = 0; i < 400; ++i) ticker->DrawRssNews();
  ASSERT_EQ(ticker->GetScrollOffset(), 800);

  ticker->SetRssLine(LongLine());  // the same text: nothing changes
  ticker->SetRssLine("Breaking: " + LongLine());
  EXPECT_EQ(ticker->GetScrollOffset(), 800);
  Frame();
  EXPECT_EQ(ticker->GetScrollOffset(), 802);
  EXPECT_EQ(Differences(backend_->Primary()->Pixels(), Expected("", "Breaking: " + LongLine(), 802).View()),
            0);

  ticker->SetRssLine("Short news");
  ticker->SetNameNews("World");
  EXPECT_EQ(ticker->GetRssLine(), "Short news");
  EXPECT_EQ(ticker->GetNameNews(), "World");
  const PixelView view = Frame();
  EXPECT_EQ(ticker->GetScrollOffset(), 0);
  EXPECT_TRUE(InkIn(view, 0, kLineTop, 1024, 768).Empty());  // offset 0: just outside the box
  EXPECT_FALSE(InkIn(view, 0, 0, 1024, kLineTop).Empty());
  Frame();
  EXPECT_EQ(ticker->GetScrollOffset(), 2);
}

TEST_F(TQGRTest, WithoutTheContextATextIsLeftOutAndTheOffsetStays) {
  TQGR* ticker = MakeTicker();
  ticker->SetNameNews("World");
  Frame();
  ASSERT_EQ(ticker->GetScrollOffset(), 2);

  backend_->Back()->Faults().Fail(FakeOp::GetDC, platform::DDERR_GENERIC);
  EXPECT_TRUE(InkIn(Frame(), 0, 0, 1024, 768).Empty());
  EXPECT_EQ(ticker->GetScrollOffset(), 2);

  // Only the line's context fails: the title is drawn, the line neither drawn nor moved.
  backend_->Back()->Faults().ClearAll();
  backend_->Back()->Faults().Fail(FakeOp::GetDC, platform::DDERR_GENERIC, 1, 1);
  const PixelView title_only = Frame();
  EXPECT_EQ(ticker->GetScrollOffset(), 2);
  EXPECT_EQ(Differences(title_only, Expected("World", "", 0).View()), 0);

  // Only the title's: the line moves on alone.
  backend_->Back()->Faults().ClearAll();
  backend_->Back()->Faults().Fail(FakeOp::GetDC, platform::DDERR_GENERIC, 1);
  const PixelView line_only = Frame();
  EXPECT_EQ(ticker->GetScrollOffset(), 4);
  EXPECT_EQ(Differences(line_only, Expected("", "*** Not Available Now ***", 4).View()), 0);
  EXPECT_EQ(errors_, 0);
  EXPECT_EQ(ticker->GetErrorResult(), "");

  backend_->Back()->Faults().ClearAll();
  qss_->SetEnabled(false);  // closed display: no back buffer, nothing drawn, nothing moved
  ticker->DrawRssNews();
  EXPECT_EQ(ticker->GetScrollOffset(), 4);
}

TEST_F(TQGRTest, TheTickerOverItsPlate) {
  TQGR* ticker = Make<TQGR>();
  ASSERT_TRUE(ticker->LoadPicture("QGR1"));
  scene::SetupImage(ticker, true, true, 69, 572, kY, kX);
  ticker->SetNameNews("World News");
  ticker->SetRssLine(LongLine());
  qss_->OnTimer = [ticker](platform::TComponent*) {
    ticker->DrawImage();
    ticker->DrawRssNews();
  };
  PixelView view;
  for (int i = 0; i < 200; ++i) view = Frame();
  ASSERT_EQ(errors_, 0) << ticker->GetErrorResult();
  EXPECT_TRUE(InkIn(view, 0, kY - 1, 1024, kY).Empty());
  if (const char* path = std::getenv("LUNVALE_TICKER_SNAPSHOT")) {
    lunvale::testing::SaveSnapshot(view, path);
  }
}

TEST_F(TQGRTest, TheFetcherMayHandOverTextsWhileTheTimerDrawsFrames) {
  TQGR* ticker = MakeTicker();
  std::atomic<int> frames = 0;
  qss_->OnTimer = [ticker, &frames](platform::TComponent*) {
    ticker->DrawRssNews();
    ++frames;
  };
  const std::string line = LongLine();
  qss_->SetInterval(1);
  qss_->SetTimerEnabled(true);
  for (int i = 0; frames < 30 && i < 3000; ++i) {
    ticker->SetRssLine(i % 3 ? line.substr(0, static_cast<size_t>(i * 7) % line.size()) : line);
    ticker->SetNameNews("Channel " + std::to_string(i));
    (void)ticker->GetRssLine();
    (void)ticker->GetScrollOffset();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  qss_->SetTimerEnabled(false);
  EXPECT_GE(frames.load(), 30);
  EXPECT_EQ(errors_, 0);
}

}  // namespace
}  // namespace lunvale::gadgets
