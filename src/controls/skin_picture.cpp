// SPDX-License-Identifier: MIT
#include "controls/skin_picture.h"

#include <cstring>

#include "platform/pictures/picture.h"

namespace lunvale::controls {

QImage ResourceImage(std::string_view name) {
  try {
    const platform::Picture picture = platform::Picture::LoadResource(name);
    if (picture.Empty()) return {};
    const platform::PixelView view = picture.GetBitmap().View();
    QImage image(view.width, view.height, QImage::Format_RGB32);
    for (int y = 0; y < view.height; ++y) {
      std::memcpy(image.scanLine(y), view.Row(y), static_cast<size_t>(view.width) * 4);
    }
    return image;
  } catch (const platform::PictureError&) {
    return {};
  }
}

QImage WithAutoTransparentColour(const QImage& picture) {
  if (picture.isNull()) return {};
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = out.pixel(0, out.height() - 1) | 0xFF000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((row[x] | 0xFF000000u) == key) row[x] = 0;
    }
  }
  return out;
}

void DrawFocusMark(QPainter& painter, QRect area, int inset) {
  painter.save();
  // Light on the dialog's slate ground and on the buttons' faces alike.
  QPen pen(QColor(232, 234, 242), 1, Qt::DotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(area.adjusted(inset, inset, -inset - 1, -inset - 1));
  painter.restore();
}

}  // namespace lunvale::controls
