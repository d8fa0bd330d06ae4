// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <string_view>

namespace lunvale::controls {

// The skinned controls draw device-independent bitmaps unscaled. A picture drawn "transparent" leaves
// out every pixel of its transparent colour, which is taken from the picture itself: its bottom-left
// pixel, as the framework's automatic transparent colour does.

// One of the module's picture resources (bitmap, JPEG or GIF) as an opaque 32-bit image; a null
// image when there is no such resource or it cannot be decoded.
QImage ResourceImage(std::string_view name);

// `picture` with every pixel of its bottom-left pixel's colour made fully transparent.
QImage WithAutoTransparentColour(const QImage& picture);

// The focus mark of the skinned controls: a dotted line in the skin's light rim colour around `area`
// shrunk by `inset` pixels, drawn over the control's pictures.
void DrawFocusMark(QPainter& painter, QRect area, int inset = 0);

}  // namespace lunvale::controls
