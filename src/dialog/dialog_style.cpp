// SPDX-License-Identifier: MIT
#include "dialog/dialog_style.h"

#include <QHash>
#include <QListView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

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

// Rows 13 pixels high, as the lists draw their items.
class ItemHeight : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 13};
  }
};

// The list's items, searched by their folded text: both the closed box and the open list look up
// what is typed through match().
class FoldingModel : public QStandardItemModel {
 public:
  using QStandardItemModel::QStandardItemModel;
  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                        Qt::MatchFlags flags) const override {
    const Qt::MatchFlags how = flags & Qt::MatchTypeMask;
    // A search that asks for the exact case (findText's) is left as it is.
    if (role != Qt::DisplayRole || (flags & Qt::MatchCaseSensitive) ||
        (how != Qt::MatchStartsWith && how != Qt::MatchExactly))
      return QStandardItemModel::match(start, role, value, hits, flags);
    const QString wanted = Folded(value.toString());
    QModelIndexList found;
    const int rows = rowCount(start.parent());
    const int first = start.row();
    const int end = (flags & Qt::MatchWrap) ? first + rows : rows;
    for (int r = first; r < end && (hits < 0 || found.size() < hits); ++r) {
      const QModelIndex at = index(r % rows, start.column(), start.parent());
      const QString text = Folded(data(at, role).toString());
      if (how == Qt::MatchExactly ? text == wanted : text.startsWith(wanted)) found.append(at);
    }
    return found;
  }
};

}  // namespace

QString Folded(const QString& text) {
  // Letters that carry their mark in the letter itself do not decompose; they are spelled out.
  static const QHash<QChar, QString> kSpelled{
      {QChar(0x00D8), "o"},  {QChar(0x00F8), "o"},  {QChar(0x0141), "l"},  {QChar(0x0142), "l"},
      {QChar(0x0110), "d"},  {QChar(0x0111), "d"},  {QChar(0x0131), "i"},  {QChar(0x00C6), "ae"},
      {QChar(0x00E6), "ae"}, {QChar(0x0152), "oe"}, {QChar(0x0153), "oe"}, {QChar(0x00DF), "ss"}};
  QString out;
  out.reserve(text.size());
  for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
    if (c.category() == QChar::Mark_NonSpacing) continue;
    const auto spelled = kSpelled.constFind(c);
    out += spelled != kSpelled.constEnd() ? *spelled : QString(c);
  }
  return out.toCaseFolded();
}

QComboBox* MakePickList(QWidget* parent, QPoint position) {
  auto* list = new QComboBox(parent);
  list->setModel(new FoldingModel(list));
  list->setEditable(false);
  list->setFont(SansSerifFont(11));
  list->setItemDelegate(new ItemHeight(list));
  // Germany lists 6,378 places: rows of one height open the list without measuring each.
  if (auto* view = qobject_cast<QListView*>(list->view())) view->setUniformItemSizes(true);
  // A drop-down list of eight rows under the box, not a menu over it.
  list->setStyleSheet("QComboBox { combobox-popup: 0; }");
  list->setMaxVisibleItems(8);
  list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setGeometry(position.x(), position.y(), 345, 21);
  return list;
}

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
