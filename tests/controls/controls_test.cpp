// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/fader.h"
#include "controls/picture_button.h"
#include "controls/shaped_panel.h"
#include "controls/skin_picture.h"
#include "support/qt_app.h"

namespace lunvale::controls {
namespace {

class SkinnedControls : public ::testing::Test {
 protected:
  void SetUp() override { testing::QtApp(); }
};

// The dialog's own pictures: ground 199 x 24, knob 34 x 16.
struct DialogFader {
  QImage ground = ResourceImage("FD_Ground");
  QImage knob = ResourceImage("FD_Knob");
  TQHFADER fader;
  int events = 0;
  DialogFader() {
    fader.SetGround(&ground);
    fader.SetKnob(&knob);
    fader.OnValueChanged = [this](TQHFADER* sender) {
      EXPECT_EQ(sender, &fader);
      ++events;
    };
  }
};

TEST_F(SkinnedControls, FaderDragArithmeticClampsToTheTrack) {
  DialogFader f;
  ASSERT_EQ(f.fader.size(), QSize(199, 24));
  QTest::mousePress(&f.fader, Qt::LeftButton, {}, QPoint(90, 12));
  const std::pair<int, int> drags[] = {{0, 0}, {100, 128}, {182, 256}, {198, 256}, {17, 0}, {50, 51}};
  for (auto [x, value] : drags) {
    QTest::mouseMove(&f.fader, QPoint(x, 12));
    EXPECT_EQ(f.fader.GetValue(), value) << "x = " << x;
  }
  EXPECT_EQ(f.events, 6);
  QTest::mouseRelease(&f.fader, Qt::LeftButton, {}, QPoint(50, 12));
  QTest::mouseMove(&f.fader, QPoint(120, 12));
  EXPECT_EQ(f.fader.GetValue(), 51) << "moves after the release do nothing";
  EXPECT_EQ(f.events, 6);
}

TEST_F(SkinnedControls, FaderClickAloneChangesNothing) {
  DialogFader f;
  f.fader.SetValue(77);
  QTest::mouseClick(&f.fader, Qt::LeftButton, {}, QPoint(10, 12));
  QTest::mouseClick(&f.fader, Qt::RightButton, {}, QPoint(150, 12));
  EXPECT_EQ(f.fader.GetValue(), 77);
  EXPECT_EQ(f.events, 0);
}

TEST_F(SkinnedControls, FaderKnobStandsWhereTheValueSaysEvenPastTheTrack) {
  DialogFader f;
  const std::pair<int, int> positions[] = {{0, 0}, {128, 82}, {256, 165}, {300, 193}};
  for (auto [value, x] : positions) {
    f.fader.SetValue(value);
    EXPECT_EQ(f.fader.GetValue(), value);
    EXPECT_EQ(f.fader.KnobPosition(), QPoint(x, 3)) << "value " << value;
  }
  // Drawn: the knob's middle is the knob's, its keyed corner shows the track under it.
  f.fader.SetValue(128);
  const QImage shot = f.fader.grab().toImage();
  EXPECT_EQ(shot.pixel(82 + 17, 3 + 8), f.knob.pixel(17, 8));
  EXPECT_EQ(shot.pixel(82, 3 + 15), f.ground.pixel(82, 3 + 15));
  EXPECT_NE(f.knob.pixel(17, 8), f.ground.pixel(82 + 17, 3 + 8));
}

TEST_F(SkinnedControls, FaderKeysMoveWithinTheRangeAndRaiseTheEvent) {
  const struct {
    int from;
    Qt::Key key;
    int to;
  } moves[] = {{128, Qt::Key_Right, 129}, {128, Qt::Key_Up, 129},     {128, Qt::Key_Left, 127},
               {0, Qt::Key_Down, 0},      {128, Qt::Key_PageUp, 154}, {10, Qt::Key_PageDown, 0},
               {128, Qt::Key_Home, 0},    {128, Qt::Key_End, 256},    {300, Qt::Key_Left, 256}};
  DialogFader f;
  EXPECT_EQ(f.fader.focusPolicy(), Qt::StrongFocus);
  for (const auto& m : moves) {
    f.fader.SetValue(m.from);
    QTest::keyClick(&f.fader, m.key);
    EXPECT_EQ(f.fader.GetValue(), m.to) << m.from << " key " << m.key;
  }
  EXPECT_EQ(f.events, 9);
  QTest::keyClick(&f.fader, Qt::Key_A);
  EXPECT_EQ(f.events, 9) << "other keys are not the fader's";
}

TEST_F(SkinnedControls, FaderWithoutAWiderTrackIgnoresDrags) {
  QImage knob = ResourceImage("FD_Knob");
  TQHFADER fader;
  fader.SetKnob(&knob);
  EXPECT_EQ(fader.size(), QSize(100, 100));
  bool raised = false;
  fader.OnValueChanged = [&](TQHFADER*) { raised = true; };
  QTest::mousePress(&fader, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(&fader, QPoint(60, 5));
  EXPECT_EQ(fader.GetValue(), 256);
  EXPECT_FALSE(raised);
}

TEST_F(SkinnedControls, ButtonClicksOnReleaseOfAnyButtonAndShowsItsPressedPicture) {
  QImage on = ResourceImage("BTOK_Ground_on");
  QImage off = ResourceImage("BTOK_Ground_off");
  QWidget window;
  window.resize(300, 100);
  TQorbutton button(&window);
  button.SetGround_on(&on);
  button.SetGround_off(&off);
  ASSERT_EQ(button.size(), QSize(76, 26));
  int clicks = 0;
  button.OnClick = [&](TQorbutton* sender) {
    EXPECT_EQ(sender, &button);
    ++clicks;
  };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  // A pixel where the two pictures differ tells which one is shown.
  QPoint probe(-1, -1);
  for (int y = 0; y < 26 && probe.x() < 0; ++y)
    for (int x = 0; x < 76; ++x)
      if (on.pixel(x, y) != off.pixel(x, y)) {
        probe = {x, y};
        break;
      }
  ASSERT_GE(probe.x(), 0);

  QWindow* w = window.windowHandle();
  QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(button.grab().toImage().pixel(probe) & 0xFFFFFF, on.pixel(probe) & 0xFFFFFF);
  EXPECT_EQ(clicks, 0) << "nothing on the press";
  QTest::mouseMove(w, QPoint(250, 80));
  QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(250, 80));
  EXPECT_EQ(clicks, 1) << "released off the button, still a click";
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(button.grab().toImage().pixel(probe) & 0xFFFFFF, off.pixel(probe) & 0xFFFFFF);

  QTest::mouseClick(w, Qt::RightButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 2);

  // Space as a press: down shows the pressed picture, the release clicks; the focus is marked.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  button.setFocus();
  EXPECT_NE(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
            off.convertToFormat(QImage::Format_RGB32));
  QTest::keyPress(&button, Qt::Key_Space);
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(clicks, 2);
  QTest::keyRelease(&button, Qt::Key_Space);
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(button.Pressed());
}

TEST_F(SkinnedControls, RegionPanelLetsThePointerThroughItsCutOut) {
  QWidget window;
  window.resize(200, 200);
  QWidget behind(&window);
  behind.setGeometry(0, 0, 200, 200);
  TQTP panel(&window);
  panel.setGeometry(20, 20, 120, 100);
  panel.SetBorderWidth(2);
  panel.SetBevelOuter(bvNone);
  QWidget child(&panel);
  child.setGeometry(40, 30, 30, 20);
  panel.SetTransparent(mtRegion);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const QRegion mask = panel.mask();
  EXPECT_TRUE(mask.contains(QPoint(1, 50)));    // the frame
  EXPECT_TRUE(mask.contains(QPoint(118, 99)));  // its far corner
  EXPECT_FALSE(mask.contains(QPoint(2, 50)));   // just inside it
  EXPECT_TRUE(mask.contains(QPoint(45, 35)));   // the child
  EXPECT_FALSE(mask.contains(QPoint(90, 70)));  // the cut-out
  EXPECT_EQ(window.childAt(20 + 90, 20 + 70), &behind);
  EXPECT_EQ(window.childAt(20 + 45, 20 + 35), &child);
  EXPECT_EQ(window.childAt(20 + 1, 20 + 50), &panel);

  // The region follows a moved child at the next paint; leaving the mode gives the whole panel back.
  child.move(70, 60);
  panel.repaint();
  EXPECT_TRUE(panel.mask().contains(QPoint(90, 70)));
  panel.SetTransparent(mtTransparent);
  EXPECT_TRUE(panel.mask().isEmpty());
  EXPECT_TRUE(panel.MarkedTransparent());
  EXPECT_EQ(window.childAt(20 + 10, 20 + 10), &panel);
  panel.SetTransparent(mtNone);
  EXPECT_FALSE(panel.MarkedTransparent());
  EXPECT_TRUE(panel.isVisible());
}

}  // namespace
}  // namespace lunvale::controls
