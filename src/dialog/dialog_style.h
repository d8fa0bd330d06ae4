// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>

namespace lunvale::dialog {

// The dialog's colours and fonts. The faces are the dialog's own; where the desktop lacks them,
// fontconfig's nearest sans-serif stands in at the same pixel height.
inline const QColor kFormColour(107, 112, 133);
inline const QColor kTextColour(89, 93, 114);
inline const QColor kHeaderTextColour(200, 202, 210);
// The pages' ground, as the visual style paints a tab sheet.
inline const QColor kPageColour(243, 243, 246);

QFont VerdanaFont(int pixels, bool bold = false, bool underline = false);
QFont SansSerifFont(int pixels, bool bold = false);

// A label at `position` that sizes itself to its text, on a transparent ground.
QLabel* MakeLabel(QWidget* parent, const char* text, QPoint position, const QFont& font,
                  const QColor& colour = kTextColour);
// A fixed-size box of wrapped text.
QLabel* MakeTextBox(QWidget* parent, const char* text, QRect geometry, const QFont& font,
                    const QColor& colour = kTextColour);

}  // namespace lunvale::dialog
