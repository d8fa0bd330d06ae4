// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QComboBox>
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
// A drop-down list that only allows picking, 345 wide at `position`: 11 px text in rows 13 high,
// opening below its box with eight rows. Typing picks the next entry that begins with what was typed,
// whatever the letters' case and accents ("ore" finds "Örebro").
QComboBox* MakePickList(QWidget* parent, QPoint position);

// `text` for comparing as a reader does: case folded and accents dropped.
QString Folded(const QString& text);

// A fixed-size box of wrapped text.
QLabel* MakeTextBox(QWidget* parent, const char* text, QRect geometry, const QFont& font,
                    const QColor& colour = kTextColour);

}  // namespace lunvale::dialog
