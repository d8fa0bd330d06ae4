// SPDX-License-Identifier: MIT
#include "host/run_modes.h"

#include <QApplication>
#include <QScreen>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "dialog/settings_dialog.h"
#include "platform/app/application.h"
#include "platform/system/x11_window.h"

namespace lunvale::host {

namespace {

// Qt aborts the process when its X11 platform finds no display; find out first, so that a missing
// display becomes an ordinary error report.
void RequireQtDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && *platform != '\0' && std::string(platform) != "xcb") return;
  if (!platform::CanOpenDefaultDisplay()) {
    const char* name = std::getenv("DISPLAY");
    throw std::runtime_error(std::string("Cannot open display \"") + (name != nullptr ? name : "") + "\"");
  }
}

}  // namespace

void RunConfiguration(int argc, char** argv) {
  platform::Application::Instance().SetTitle("Screensaver Configuration");
  RequireQtDisplay();
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Screensaver Configuration");
  dialog::TForm2 form;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    form.move(screen->geometry().center() - form.rect().center());
  }
  form.show();
  QApplication::exec();
}

}  // namespace lunvale::host
