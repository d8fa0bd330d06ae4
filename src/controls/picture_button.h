// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace lunvale::controls {

// The push button drawn from two pictures, which carry its words: one while pressed, one otherwise.
// Any mouse button presses it; the release raises OnClick wherever the pointer then is, because the
// control holds the mouse from press to release. No caption. Tab reaches it, a dotted line inside its
// face marks the focus, and Space (or Return) presses it as the mouse does: down shows the pressed
// picture, the release clicks.
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
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Prepare();

  QImage ground_on_;
  QImage ground_off_;
  QImage drawn_on_;
  QImage drawn_off_;
  bool pressed_ = false;
  bool key_down_ = false;  // pressed by a key, not by the mouse
  bool transparent_ = false;
};

}  // namespace lunvale::controls
