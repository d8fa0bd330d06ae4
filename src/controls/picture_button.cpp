// SPDX-License-Identifier: MIT
#include "controls/picture_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/skin_picture.h"

namespace lunvale::controls {

TQorbutton::TQorbutton(QWidget* parent) : QWidget(parent) {
  resize(100, 100);
  setFocusPolicy(Qt::StrongFocus);
}

void TQorbutton::Prepare() {
  drawn_on_ = transparent_ ? WithAutoTransparentColour(ground_on_) : ground_on_;
  drawn_off_ = transparent_ ? WithAutoTransparentColour(ground_off_) : ground_off_;
}

void TQorbutton::SetGround_on(const QImage* picture) {
  if (picture == nullptr) return;
  update();
  ground_on_ = *picture;
  resize(ground_on_.width(), ground_on_.height());
  Prepare();
}

void TQorbutton::SetGround_off(const QImage* picture) {
  if (picture == nullptr) return;
  update();
  ground_off_ = *picture;
  resize(ground_off_.width(), ground_off_.height());
  Prepare();
}

void TQorbutton::SetTransparent(bool on) {
  transparent_ = on;
  update();
  Prepare();
}

void TQorbutton::Paint() {
  if (ground_on_.isNull() || ground_off_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, pressed_ ? drawn_on_ : drawn_off_);
  // Inside the rounded face, clear of its rim.
  if (hasFocus()) DrawFocusMark(painter, rect(), 4);
}

void TQorbutton::paintEvent(QPaintEvent*) {
  Paint();
}

void TQorbutton::mousePressEvent(QMouseEvent*) {
  update();
  pressed_ = true;
}

void TQorbutton::mouseReleaseEvent(QMouseEvent*) {
  update();
  pressed_ = false;
  if (OnClick) OnClick(this);
}

namespace {

// Space presses a focused picture button; Return stays the dialog's, which makes it OK.
bool PressKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Space;
}

}  // namespace

void TQorbutton::keyPressEvent(QKeyEvent* event) {
  if (!PressKey(event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat() && !pressed_) {
    key_down_ = true;
    update();
    pressed_ = true;
  }
}

void TQorbutton::keyReleaseEvent(QKeyEvent* event) {
  if (!PressKey(event)) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (event->isAutoRepeat() || !key_down_) return;
  key_down_ = false;
  update();
  pressed_ = false;
  if (OnClick) OnClick(this);
}

void TQorbutton::focusOutEvent(QFocusEvent* event) {
  // A key press that loses the focus before its release (Alt+Tab) is no click.
  if (key_down_) {
    key_down_ = false;
    pressed_ = false;
  }
  QWidget::focusOutEvent(event);
}

}  // namespace lunvale::controls
