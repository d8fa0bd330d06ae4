#include "dialog/settings_dialog.h"

namespace lunvale::dialog {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName("Form2");
  setWindowTitle("Screensaver Configuration");
  setFixedSize(539, 576);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(107, 112, 133));
  setPalette(pal);
  setAutoFillBackground(true);
}

}  // namespace lunvale::dialog
