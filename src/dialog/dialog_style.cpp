// SPDX-License-Identifier: MIT
#include "dialog/dialog_style.h"

namespace lunvale::dialog {

namespace {

QFont Font(const QStringList& families, int pixels, bool bold, bool underline) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

void Colour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

}  // namespace

QFont VerdanaFont(int pixels, bool bold, bool underline) {
  return Font({"Verdana", "DejaVu Sans"}, pixels, bold, underline);
}

QFont SansSerifFont(int pixels, bool bold) {
  return Font({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, pixels, bold, false);
}

QLabel* MakeLabel(QWidget* parent, const char* text, QPoint position, const QFont& font,
                  const QColor& colour) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  Colour(label, colour);
  label->setMargin(0);
  label->adjustSize();
  label->move(position);
  return label;
}

QLabel* MakeTextBox(QWidget* parent, const char* text, QRect geometry, const QFont& font,
                    const QColor& colour) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  Colour(label, colour);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

}  // namespace lunvale::dialog
