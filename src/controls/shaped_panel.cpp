// SPDX-License-Identifier: MIT
#include "controls/shaped_panel.h"

#include <QEvent>
#include <QPainter>

namespace lunvale::controls {

namespace {

// A three-dimensional frame `width` pixels wide just inside `rect`, which then shrinks past it.
void Frame3D(QPainter& painter, QRect& rect, const QColor& top, const QColor& bottom, int width) {
  for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), top);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), top);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottom);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottom);
    rect.adjust(1, 1, -1, -1);
  }
}

}  // namespace

TQTP::TQTP(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {
  resize(185, 41);
}

void TQTP::SetBorderWidth(int width) {
  border_width_ = width;
  update();
}
void TQTP::SetBevelInner(TBevelCut bevel) {
  bevel_inner_ = bevel;
  update();
}
void TQTP::SetBevelOuter(TBevelCut bevel) {
  bevel_outer_ = bevel;
  update();
}
void TQTP::SetBevelWidth(int width) {
  bevel_width_ = width;
  update();
}
void TQTP::SetColor(const QColor& color) {
  color_ = color;
  update();
}
void TQTP::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TQTP::SetTransparent(TMTransparent mode) {
  if (mode == mode_) return;
  const TMTransparent old = mode_;
  mode_ = mode;
  if (old == mtRegion) clearMask();
  if (old == mtTransparent) {
    marked_transparent_ = false;
    setAttribute(Qt::WA_NoSystemBackground, false);
  }
  if (mode == mtTransparent) {
    marked_transparent_ = true;
    setAttribute(Qt::WA_NoSystemBackground, true);
  }
  if (mode == mtRegion) CreateRegion(this);
  // Hiding and showing again repaints it, and what lies behind it.
  const bool hidden = isHidden();
  hide();
  if (!hidden) show();
}

bool TQTP::CreateRegion(QWidget* control) {
  if (control == nullptr) return false;
  std::lock_guard lock(region_lock_);
  // Child widgets have no non-client area: the client origin is the window's.
  QRect inner = control->rect();
  int shrink = border_width_;
  if (bevel_outer_ != bvNone) shrink += bevel_width_;
  if (bevel_inner_ != bvNone) shrink += bevel_width_;
  inner.adjust(shrink, shrink, -shrink, -shrink);
  QRegion region = QRegion(control->rect()).subtracted(QRegion(inner));
  for (QObject* child : control->children()) {
    if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow()) {
      region = region.united(widget->geometry());
    }
  }
  // Only a changed region is handed over, so that setting it does not ask for yet another paint.
  if (control->mask() != region) control->setMask(region);
  return true;
}

void TQTP::AdjustColors(TBevelCut bevel, QColor& top, QColor& bottom) const {
  top = palette().color(QPalette::Light);
  bottom = palette().color(QPalette::Dark);
  if (bevel == bvLowered) std::swap(top, bottom);
}

bool TQTP::event(QEvent* event) {
  if (event->type() == QEvent::Paint && mode_ == mtRegion) CreateRegion(this);
  return QWidget::event(event);
}

void TQTP::paintEvent(QPaintEvent*) {
  Paint();
}

void TQTP::Paint() {
  QPainter painter(this);
  QRect rect = this->rect();
  if (mode_ == mtNone) painter.fillRect(rect, color_);
  QColor top, bottom;
  if (bevel_outer_ != bvNone) {
    AdjustColors(bevel_outer_, top, bottom);
    Frame3D(painter, rect, top, bottom, bevel_width_);
  }
  Frame3D(painter, rect, color_, color_, border_width_);
  if (bevel_inner_ != bvNone) {
    AdjustColors(bevel_inner_, top, bottom);
    Frame3D(painter, rect, top, bottom, bevel_width_);
  }
  if (mode_ == mtNone && !caption_.isEmpty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(this->rect(), Qt::AlignCenter, caption_);
  }
}

}  // namespace lunvale::controls
