// SPDX-License-Identifier: MIT
#include "controls/fader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/skin_picture.h"

namespace lunvale::controls {

namespace {

// A tenth of the 0..256 range, rounded.
constexpr int32_t kPageStep = 26;

}  // namespace

TQHFADER::TQHFADER(QWidget* parent) : QWidget(parent) {
  // The whole control is drawn from the buffer: nothing to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(100, 100);
  setFocusPolicy(Qt::StrongFocus);
}

void TQHFADER::SetGround(const QImage* picture) {
  if (picture == nullptr) return;
  update();
  ground_ = *picture;
  resize(ground_.width(), ground_.height());
}

void TQHFADER::SetKnob(const QImage* picture) {
  if (picture == nullptr) return;
  update();
  knob_ = *picture;
  knob_keyed_ = WithAutoTransparentColour(knob_);
}

void TQHFADER::SetValue(int32_t value) {
  value_ = value;
  update();
}

QPoint TQHFADER::KnobPosition() const {
  // 64-bit product: values set from code are not range-checked.
  const int64_t x = static_cast<int64_t>(width() - knob_.width()) * value_ / 256;
  const int64_t clamped =
      std::clamp<int64_t>(x, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2);
  return {static_cast<int>(clamped), height() / 2 - knob_.height() / 2 - 1};
}

void TQHFADER::Paint() {
  if (ground_.isNull() || knob_.isNull()) return;
  if (buffer_.size() != size()) buffer_ = QImage(size(), QImage::Format_RGB32);
  {
    QPainter into(&buffer_);
    into.drawImage(0, 0, ground_);
    into.drawImage(KnobPosition(), knob_keyed_);
    if (hasFocus()) DrawFocusMark(into, rect());
  }
  QPainter onto(this);
  onto.drawImage(0, 0, buffer_);
}

void TQHFADER::paintEvent(QPaintEvent*) {
  Paint();
}

void TQHFADER::mousePressEvent(QMouseEvent*) {
  dragging_ = true;
}

void TQHFADER::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

void TQHFADER::keyPressEvent(QKeyEvent* event) {
  // Moves by key start from where the knob stands, a value set past the range included, and stay in it.
  const int64_t now = value_;
  int64_t to = now;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      to = now - 1;
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      to = now + 1;
      break;
    case Qt::Key_PageDown:
      to = now - kPageStep;
      break;
    case Qt::Key_PageUp:
      to = now + kPageStep;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = 256;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  SetValue(static_cast<int32_t>(std::clamp<int64_t>(to, 0, 256)));
  if (OnValueChanged) OnValueChanged(this);
}

void TQHFADER::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const int travel = ground_.width() - knob_.width();
  // A track no wider than the knob has no positions to drag through.
  if (travel <= 0) return;
  const int x = static_cast<int>(std::trunc(event->position().x()));
  int64_t v = (static_cast<int64_t>(x) - knob_.width() / 2) * 256 / travel;
  if (v > 256) v = 256;
  update();
  value_ = v < 0 ? 0 : static_cast<int32_t>(v);
  if (OnValueChanged) OnValueChanged(this);
}

}  // namespace lunvale::controls
