// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <mutex>

namespace lunvale::controls {

enum TMTransparent { mtNone = 0, mtTransparent = 1, mtRegion = 2 };
enum TBevelCut { bvNone = 0, bvLowered = 1, bvRaised = 2 };

// A panel that can be made see-through: mtNone is an ordinary panel; mtTransparent paints only its
// frame and never erases its background; mtRegion cuts the window down to its frame and its children,
// so the pointer reaches whatever lies under the cut-out.
class TQTP : public QWidget {
 public:
  explicit TQTP(QWidget* parent = nullptr);

  void SetTransparent(TMTransparent mode);
  TMTransparent GetTransparent() const { return mode_; }
  // Whether the window carries the transparent extended style (mtTransparent).
  bool MarkedTransparent() const { return marked_transparent_; }

  // The panel's own properties, with the panel's defaults.
  void SetBorderWidth(int width);
  void SetBevelInner(TBevelCut bevel);
  void SetBevelOuter(TBevelCut bevel);
  void SetBevelWidth(int width);
  void SetColor(const QColor& color);
  void SetCaption(const QString& caption);
  int GetBorderWidth() const { return border_width_; }
  int GetBevelWidth() const { return bevel_width_; }

  // Gives `control` the region of this panel's frame and `control`'s children; false when there is no
  // control. The region is recomputed on every paint while the mode is mtRegion.
  bool CreateRegion(QWidget* control);
  // The highlight and shadow colours of a bevel; exchanged for a lowered one.
  void AdjustColors(TBevelCut bevel, QColor& top, QColor& bottom) const;

 protected:
  void Paint();
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TMTransparent mode_ = mtNone;
  bool marked_transparent_ = false;
  int border_width_ = 0;
  TBevelCut bevel_inner_ = bvNone;
  TBevelCut bevel_outer_ = bvRaised;
  int bevel_width_ = 1;
  QColor color_;
  QString caption_;
  std::recursive_mutex region_lock_;
};

}  // namespace lunvale::controls
