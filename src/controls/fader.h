// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace lunvale::controls {

// The horizontal fader: a track picture with a knob picture over it. Dragging with any button held
// sets the value 0..256 from the pointer's x; a click alone changes nothing. The value can be set to
// anything from code and is drawn where it falls, past the track's end included.
// Keys, once Tab or a click has given it the focus: the arrows move by one, Page Up and Page Down
// by a tenth of the range, Home and End go to its ends; a focused fader is framed by a dotted line.
class TQHFADER : public QWidget {
 public:
  explicit TQHFADER(QWidget* parent = nullptr);

  // Absent pictures are ignored. The ground sizes the control; the knob is drawn with its
  // bottom-left pixel's colour left out.
  void SetGround(const QImage* picture);
  void SetKnob(const QImage* picture);
  const QImage& GetGround() const { return ground_; }
  const QImage& GetKnob() const { return knob_; }

  void SetValue(int32_t value);
  int32_t GetValue() const { return value_; }
  bool Dragging() const { return dragging_; }

  // Raised on every move while dragging, whether or not the value changed.
  std::function<void(TQHFADER* sender)> OnValueChanged;

  // Where Paint puts the knob for the current size and value.
  QPoint KnobPosition() const;

 protected:
  void Paint();
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage ground_;
  QImage knob_;
  QImage knob_keyed_;
  QImage buffer_;
  int32_t value_ = 256;
  bool dragging_ = false;
};

}  // namespace lunvale::controls
