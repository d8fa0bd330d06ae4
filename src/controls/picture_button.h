// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace lunvale::controls {

// The push button drawn from two pictures, which carry its words: one while pressed, one otherwise.
// Any mouse button presses it; the release raises OnClick wherever the pointer then is, because the
// control holds the mouse from press to release. No caption, no keyboard, no focus mark.
class TQorbutton : public QWidget {
 public:
  explicit TQorbutton(QWidget* parent = nullptr);

  // Absent pictures are ignored; each one sizes the control.
  void SetGround_on(const QImage* picture);
  void SetGround_off(const QImage* picture);
  // On: both pictures are drawn with their bottom-left pixel's colour left out; off: opaque again.
  void SetTransparent(bool on);
  bool GetTransparent() const { return transparent_; }
  bool Pressed() const { return pressed_; }

  std::function<void(TQorbutton* sender)> OnClick;

 protected:
  void Paint();
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Prepare();

  QImage ground_on_;
  QImage ground_off_;
  QImage drawn_on_;
  QImage drawn_off_;
  bool pressed_ = false;
  bool transparent_ = false;
};

}  // namespace lunvale::controls
