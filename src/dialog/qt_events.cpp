// SPDX-License-Identifier: MIT
#include "dialog/qt_events.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/app/application.h"

namespace lunvale::dialog {

void ServeQtEventsDuringWaits() {
  static const bool installed = [] {
    platform::Application::Instance().SetForeignEventPump([] {
      if (QCoreApplication* qt = QCoreApplication::instance();
          qt != nullptr && qt->thread() == QThread::currentThread())
        QCoreApplication::processEvents();
    });
    return true;
  }();
  (void)installed;
}

}  // namespace lunvale::dialog
