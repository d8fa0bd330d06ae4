#include "support/qt_app.h"

#include <QApplication>

namespace lunvale::testing {

QApplication& QtApp() {
  static int argc = 3;
  static char name[] = "lunvale_tests";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace lunvale::testing
