// SPDX-License-Identifier: MIT
#include "gadgets/clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gadgets/gadget_test_support.h"
#include "platform/pictures/picture.h"
#include "sprites/sprite_fixture.h"
#include "support/picture_files.h"
#include "support/reference_picture.h"
#include "support/scratch.h"

namespace lunvale::gadgets {
namespace {

using lunvale::testing::FakeOp;
using platform::PixelView;
using platform::TimeFormat;
using namespace sprites::testing_support;
using namespace gadgets::testing_support;

std::tm Time(int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 7;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

std::string Formatted(const TimeFormat& format, const std::tm& time) {
  char buffer[256];
  const size_t n = format.Format(time, buffer, sizeof buffer);
  return std::string(buffer, n);
}

// --- the locale's time format without seconds ---

TEST(ClockTimeFormat, SecondsLeaveWithTheirSeparatorOrTheirUnitWord) {
  struct Case {
    const char* pattern;
    const char* ampm;
    const char* expected;
  };
  const Case cases[] = {
      {"%H:%M:%S", "", "%H:%M"},                            // C, POSIX
      {"%T", "", "%H:%M"},                                  // de_DE
      {"%r", "%I:%M:%S %p", "%I:%M %p"},                    // en_US
      {"%r", "", "%I:%M %p"},                               // %r without the locale's own
      {"%l:%M:%S %p %Z", "", "%l:%M %p %Z"},                // suffix and zone stay
      {"%H.%M.%S", "", "%H.%M"},                            // fi_FI
      {"%-I:%M:%OS%p", "", "%-I:%M%p"},                     // flags and modifiers
      {"%H\xec\x8b\x9c %M\xeb\xb6\x84 %S\xec\xb4\x88", "",  // ko_KR: "시 분 초"
       "%H\xec\x8b\x9c %M\xeb\xb6\x84"},
      {"%p %I\xe6\x99\x82%M\xe5\x88\x86%S\xe7\xa7\x92", "",  // ja_JP: "時 分 秒"
       "%p %I\xe6\x99\x82%M\xe5\x88\x86"},
      {"%S:%M", "", "%M"},     // seconds first: the separator after them
      {"%H:%M", "", "%H:%M"},  // nothing to take
      {"%R", "", "%H:%M"},
      {"%H%%S:%M", "", "%H%%S:%M"},  // a literal "%S" is not seconds
      {"%S", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(platform::TimeFormatWithoutSeconds(c.pattern, c.ampm), c.expected);
  }
}

TEST(ClockTimeFormat, ATimeThatDoesNotFitIsEmpty) {
  const auto format = TimeFormat::ForPattern(std::string(300, 'x'));
  char buffer[256] = "old";
  EXPECT_EQ(format->Format(Time(9, 5, 0), buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(Formatted(*TimeFormat::ForPattern("%I:%M %p"), Time(0, 7, 0)), "12:07 AM");
}

TEST(ClockParse1, CutsAtTheFirstClosingMarker) {
  std::string_view found, rest;
  TQGC::Parse1("10:59 PM", "BEGIN", ":", found, rest);
  EXPECT_EQ(found, "10");
  EXPECT_EQ(rest, "59 PM");
  TQGC::Parse1("59 PM", "BEGIN", " ", found, rest);
  EXPECT_EQ(found, "59");
  EXPECT_EQ(rest, "PM");
  TQGC::Parse1(":05", "BEGIN", ":", found, rest);  // marker first: empty text before it
  EXPECT_EQ(found, "");
  EXPECT_EQ(rest, "05");
  TQGC::Parse1("9.05", "BEGIN", ":", found, rest);  // no marker: nothing found, all left
  EXPECT_EQ(found, "");
  EXPECT_EQ(rest, "9.05");
  TQGC::Parse1("a<b>c</b>d", "<b>", "</b>", found, rest);  // multi-character markers are skipped whole
  EXPECT_EQ(found, "c");
  EXPECT_EQ(rest, "d");
  TQGC::Parse1("9:05", "BEGIN", "END", found, rest);
  EXPECT_EQ(found, "9:05");
  EXPECT_EQ(rest, "");
}

// --- the gadget on the engine ---

class TQGCTest : public SpriteDisplay {
 protected:
  TQGC* MakeClock(const std::string& pattern) {
    TQGC* clock = Make<TQGC>();
    clock->SetTimeFormat(TimeFormat::ForPattern(pattern));
    clock->SetTimeSource([this] { return now_; });
    qss_->OnTimer = [clock](platform::TComponent*) { clock->DrawGadgetClock(); };
    return clock;
  }
  // One whole frame: restore, clear, the clock, flip. The picture is on the primary afterwards.
  PixelView Frame(const std::tm& now) {
    now_ = now;
    qss_->TimerCallback();
    return backend_->Primary()->Pixels();
  }
  static int Width(std::string_view text) { return TextWidth(22, text); }

  std::tm now_ = Time(9, 5, 0);
};

// Where each piece of the time must appear, and in which colour: (text, x, colour) on one row.
struct Piece {
  std::string text;
  int x;
  uint32_t colour;
};

// The pieces drawn alone on black: the clock's frame must match pixel for pixel.
void ExpectPieces(PixelView frame, int y, const std::vector<Piece>& pieces) {
  platform::Bitmap expected(frame.width, frame.height);
  platform::DeviceContext dc(expected.View());
  dc.SelectFont(platform::Font::Create("Arial", 22, platform::FW_BOLD));
  dc.SetBkMode(platform::TRANSPARENT);
  for (const Piece& p : pieces) {
    dc.SetTextColor(p.colour);
    dc.TextOut(p.x, y, p.text);
  }
  EXPECT_EQ(Differences(frame, expected.View()), 0);
}

TEST_F(TQGCTest, TheTimeSitsCentredInTheBoxAboveTheBottomRightCorner) {
  Open();
  MakeClock("%H:%M");
  const PixelView frame = Frame(Time(22, 59, 0));
  // All text lies in the gadget's corner, starting at row 768 - 42 and centred in 911 .. 1016.
  const Ink all = InkIn(frame, 0, 0, 1024, 768);
  ASSERT_FALSE(all.Empty());
  const Ink box = InkIn(frame, 911, 726, 1017, 726 + 22);
  EXPECT_EQ(box.pixels, all.pixels);
  EXPECT_EQ(box.brightest, 255u);
  EXPECT_LE(std::abs((box.left - 911) - (1016 - box.right)), 3);  // side bearings only
  EXPECT_LE(box.top - 726, 6);                                    // the cell's internal leading

  // At 800 x 600 the origin follows the screen's corner.
  qss_->SetEnabled(false);
  Open(800, 600);
  const Ink small = InkIn(Frame(Time(22, 59, 0)), 0, 0, 800, 600);
  EXPECT_EQ(small.left - 687, box.left - 911);
  EXPECT_EQ(small.top - 558, box.top - 726);
  EXPECT_EQ(small.pixels, box.pixels);
}

TEST_F(TQGCTest, EachFormatPlacesHoursSeparatorMinutesAndSuffix) {
  Open();
  const int y = 726;
  const auto x = [&](std::string_view whole) { return 911 + (106 - Width(whole)) / 2; };
  constexpr uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080;
  {
    SCOPED_TRACE("24 hours, 09:05");
    MakeClock("%H:%M");
    const int x0 = x("09:05");
    const PixelView frame = Frame(Time(9, 5, 0));
    ExpectPieces(frame, y,
                 {{"09", x0, kWhite}, {":", x0 + Width("09"), kWhite}, {"05", x0 + Width("09:"), kWhite}});
    EXPECT_EQ(lunvale::testing::ReferenceDifferences(frame, 907, 698, 117, 69, "gadgets/clock-0905"), 0);
  }
  {
    SCOPED_TRACE("12 hours, 9:05 PM: the suffix grey after a blank");
    MakeClock("%-I:%M %p");
    const int x0 = x("9:05 PM");
    const PixelView frame = Frame(Time(21, 5, 1));
    ExpectPieces(frame, y,
                 {{"9", x0, kWhite},
                  {":", x0 + Width("9"), kWhite},
                  {"05", x0 + Width("9:"), kWhite},
                  {" PM", x0 + Width("9:05"), kGrey}});
    EXPECT_EQ(InkIn(frame, 0, 0, x0 + Width("9:05 "), 768).brightest, 255u);
    const Ink suffix = InkIn(frame, x0 + Width("9:05 "), 0, 1024, 768);
    EXPECT_EQ(suffix.brightest, 128u);
    EXPECT_EQ(lunvale::testing::ReferenceDifferences(frame, 907, 698, 117, 69, "gadgets/clock-905pm"), 0);
  }
  {
    SCOPED_TRACE("12 hours without a blank, 9:05PM: minutes and suffix both grey");
    MakeClock("%-I:%M%p");
    const int x0 = x("9:05PM");
    ExpectPieces(Frame(Time(21, 5, 2)), y,
                 {{"9", x0, kWhite}, {":", x0 + Width("9"), kWhite}, {" 05PM", x0 + Width("9:"), kGrey}});
  }
  {
    SCOPED_TRACE("no colon, 9.05: the separator at the left, the whole time after it");
    MakeClock("%-H.%M");
    const int x0 = x("9.05");
    ExpectPieces(Frame(Time(9, 5, 3)), y, {{":", x0, kWhite}, {"9.05", x0 + Width(":"), kWhite}});
  }
  {
    SCOPED_TRACE("wider than the box: it starts left of the origin");
    MakeClock("%H:%M o'clock in the evening");
    const int x0 = x("21:05 o'clock in the evening");
    EXPECT_LT(x0, 911);
    ExpectPieces(Frame(Time(21, 5, 4)), y,
                 {{"21", x0, kWhite},
                  {":", x0 + Width("21"), kWhite},
                  {"05", x0 + Width("21:"), kWhite},
                  {" o'clock in the evening", x0 + Width("21:05"), kGrey}});
  }
}

// Frames per second in which the separator shows, over a run of frames `per_second` to a second.
std::vector<int> ShownPerSecond(const std::function<PixelView(const std::tm&)>& frame, int per_second,
                                int seconds, int colon_left, int colon_right) {
  std::vector<int> shown(static_cast<size_t>(seconds), 0);
  for (int s = 0; s < seconds; ++s)
    for (int f = 0; f < per_second; ++f) {
      const PixelView view = frame(Time(9, 5, 10 + s));
      shown[static_cast<size_t>(s)] += !InkIn(view, colon_left, 700, colon_right, 768).Empty();
    }
  return shown;
}

TEST_F(TQGCTest, TheSeparatorShowsForTheFirstHalfSecondOfFramesAndTheMinutesStayPut) {
  Open();
  TQGC* clock = MakeClock("%H:%M");
  const int x0 = 911 + (106 - Width("09:05")) / 2;
  // The colon's own columns, clear of the digits' ink on either side.
  const int colon_left = x0 + Width("09") + 1, colon_right = x0 + Width("09:") - 1;
  const auto frame = [this](const std::tm& t) { return Frame(t); };

  // The first frame counts 1 from creation (second 0); every change of second starts again at 0.
  Frame(Time(9, 5, 0));
  EXPECT_EQ(clock->BlinkCount(), 1);
  EXPECT_EQ(clock->LastSecond(), 0);
  struct Period {
    int ms, per_second, shown;
  };
  for (const Period p :
       {Period{45, 22, 11}, Period{100, 10, 5}, Period{500, 2, 1}, Period{1000, 1, 1}, Period{0, 3, 3}}) {
    SCOPED_TRACE(p.ms);
    qss_->SetInterval(p.ms);
    const std::vector<int> shown = ShownPerSecond(frame, p.per_second, 3, colon_left, colon_right);
    EXPECT_EQ(shown, std::vector<int>(3, p.shown));
  }

  // Shown and hidden frames differ in the colon's columns only.
  qss_->SetInterval(45);
  Frame(Time(9, 5, 20));
  const PixelView on = Frame(Time(9, 5, 21));
  ASSERT_EQ(clock->BlinkCount(), 0);
  const std::vector<uint32_t> shown(on.Row(0), on.Row(0) + on.pitch * on.height);
  for (int i = 0; i < 10; ++i) Frame(Time(9, 5, 21));
  const PixelView off = Frame(Time(9, 5, 21));
  ASSERT_EQ(clock->BlinkCount(), 11);
  const auto ground = [&](int x, int y) { return shown[static_cast<size_t>(y * on.pitch + x)]; };
  const Ink changed = InkIn(off, 0, 0, 1024, 768, ground);
  ASSERT_FALSE(changed.Empty());
  EXPECT_GE(changed.left, x0 + Width("09"));
  EXPECT_LT(changed.right, x0 + Width("09:"));
}

TEST_F(TQGCTest, WithoutTheBackBuffersContextNothingIsDrawnAndNothingCounted) {
  Open();
  TQGC* clock = MakeClock("%H:%M");
  Frame(Time(9, 5, 7));
  Frame(Time(9, 5, 7));
  ASSERT_EQ(clock->BlinkCount(), 1);
  backend_->Back()->Faults().Fail(FakeOp::GetDC, platform::DDERR_GENERIC);
  const PixelView frame = Frame(Time(9, 5, 8));
  EXPECT_TRUE(InkIn(frame, 0, 0, 1024, 768).Empty());
  EXPECT_EQ(clock->BlinkCount(), 1);
  EXPECT_EQ(clock->LastSecond(), 7);
  EXPECT_EQ(errors_, 0);
  EXPECT_EQ(clock->GetErrorResult(), "");

  backend_->Back()->Faults().ClearAll();
  EXPECT_FALSE(InkIn(Frame(Time(9, 5, 8)), 0, 0, 1024, 768).Empty());
  EXPECT_EQ(clock->BlinkCount(), 0);
  EXPECT_EQ(clock->LastSecond(), 8);

  // A time the format cannot hold: only the separator, alone at the middle of the box.
  clock->SetTimeFormat(TimeFormat::ForPattern(std::string(300, 'x')));
  const Ink alone = InkIn(Frame(Time(9, 5, 9)), 0, 0, 1024, 768);
  EXPECT_GE(alone.left, 911 + 53);
  EXPECT_LT(alone.right, 911 + 53 + Width(":"));
  // Closed display: no back buffer, no text, no failure.
  qss_->SetEnabled(false);
  clock->DrawGadgetClock();
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQGCTest, TheClockWritesOverItsPlateAndTheEngineLeavesThePlateAlone) {
  Open();
  TQGC* clock = Make<TQGC>();
  ASSERT_TRUE(clock->LoadPicture("QGC1"));
  clock->SetStretching(true);
  clock->SetShowX(907);
  clock->SetShowY(698);
  clock->SetOriginalWidth(117);
  clock->SetOriginalHeight(69);
  clock->CreateDXImage();
  clock->SetTransparency(true);
  ASSERT_EQ(errors_, 0) << clock->GetErrorResult();
  clock->SetTimeFormat(TimeFormat::ForPattern("%-I:%M %p"));
  clock->SetTimeSource([] { return Time(21, 5, 0); });
  bool with_text = false;
  qss_->OnTimer = [clock, &with_text](platform::TComponent*) {
    clock->DrawImage();
    if (with_text) clock->DrawGadgetClock();
  };
  qss_->TimerCallback();
  const PixelView plate_view = backend_->Primary()->Pixels();
  const std::vector<uint32_t> plate(plate_view.Row(0),
                                    plate_view.Row(0) + plate_view.pitch * plate_view.height);
  const auto ground = [&](int x, int y) { return plate[static_cast<size_t>(y * plate_view.pitch + x)]; };
  ASSERT_FALSE(InkIn(plate_view, 907, 698, 1024, 767).Empty());
  with_text = true;
  qss_->TimerCallback();
  const Ink text = InkIn(backend_->Primary()->Pixels(), 0, 0, 1024, 768, ground);
  ASSERT_FALSE(text.Empty());
  EXPECT_GT(text.left, 907);
  EXPECT_LT(text.right, 1023);
  EXPECT_GE(text.top, 726);
  EXPECT_LT(text.bottom, 726 + 22);
  if (const char* path = std::getenv("LUNVALE_CLOCK_SNAPSHOT")) {
    lunvale::testing::SaveSnapshot(backend_->Primary()->Pixels(), path);
  }

  // After a lost display the engine restores its own surfaces but not the gadget's plate: the plate
  // reports the loss while the time is still written.
  backend_->LoseAll();
  qss_->TimerCallback();
  EXPECT_EQ(clock->GetErrorResult(), "Lost surface");
  const PixelView after = backend_->Primary()->Pixels();
  EXPECT_TRUE(InkIn(after, 0, 0, 1024, 726).Empty());
  EXPECT_EQ(InkIn(after, 0, 0, 1024, 768).left, text.left);
}

TEST_F(TQGCTest, TimeAndFormatMayBeReplacedWhileTheTimerDrawsFrames) {
  Open();
  TQGC* clock = MakeClock("%H:%M");
  std::atomic<int> frames = 0;
  qss_->OnTimer = [clock, &frames](platform::TComponent*) {
    clock->DrawGadgetClock();
    ++frames;
  };
  qss_->SetInterval(1);
  qss_->SetTimerEnabled(true);
  for (int i = 0; frames < 20 && i < 2000; ++i) {
    clock->SetTimeSource([i] { return Time(i % 24, i % 60, i % 60); });
    clock->SetTimeFormat(TimeFormat::ForPattern(i % 2 ? "%H:%M" : "%-I:%M %p"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  qss_->SetTimerEnabled(false);
  EXPECT_GE(frames.load(), 20);
  clock->SetTimeSource(nullptr);  // the system's clock again
  clock->SetTimeFormat(nullptr);
  EXPECT_TRUE(clock->GetTimeFormat());
  clock->DrawGadgetClock();
  EXPECT_EQ(errors_, 0);
}

}  // namespace
}  // namespace lunvale::gadgets
