// SPDX-License-Identifier: MIT
#include "support/qt_app.h"

#include <QApplication>

namespace lunvale::testing {

QApplication& QtApp() {
  static int argc = 3;
  static char name[] = "lunvale_tests";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  // Some suites make the application themselves; there can be only one.
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  return *new QApplication(argc, argv);
}

}  // namespace lunvale::testing
