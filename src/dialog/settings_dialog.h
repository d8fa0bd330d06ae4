#pragma once

#include <QDialog>

namespace lunvale::dialog {

// The settings dialog of the configuration run: its window, captioned and sized as the dialog is.
class TForm2 : public QDialog {
 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace lunvale::dialog
