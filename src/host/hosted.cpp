#include "host/hosted.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"
#include "platform/display/frame_output.h"
#include "platform/display/sdl_display.h"
#include "platform/system/x11_window.h"
#include "scene/scene_form.h"

namespace lunvale::host {

void RunHostedSaver(unsigned long window) {
  platform::Application& app = platform::Application::Instance();
  platform::InstallQuitSignals();
  platform::QuitSignalsScope quit_scope;
  app.Initialize();
  // Looked up on a connection of its own only once SDL holds one: a lone connection closing can make a
  // server with no other clients reset itself under the next one.
  if (window == 0) window = platform::DefaultRootWindowId();
  if (window == 0) throw std::runtime_error("Cannot find the root window");
  if (platform::QueryWindowState(window) == platform::WindowState::kMissing) {
    char text[64];
    std::snprintf(text, sizeof text, "Window 0x%lx does not exist", window);
    throw std::runtime_error(text);
  }
  auto form = std::make_unique<scene::TForm1>(nullptr,
                                              std::make_shared<platform::SdlDisplayBackend>(nullptr, window));
  form->SetHostWindow(window);
  form->MakeMainForm();
  app.SetOnQuitRequest([&form] { form->CloseSaver(); });
  form->FormCreate();
  if (!form->Qss1()->FDDBACK()) throw std::runtime_error(form->Qss1()->GetErrorResult());
  form->Show();
  app.Run();
}

std::string UsageText(const std::string& program) {
  return "Usage: " + program +
         " [mode]\n"
         "Lunvale Screensaver: a lakeside scene with a clock, the weather and a news ticker.\n"
         "\n"
         "  (no arguments), /s    run full screen on every monitor; Escape or moving the mouse ends it,\n"
         "                        F2 and F3 open the news and the weather page and end it\n"
         "  /c                    the settings dialog\n"
         "  /p <window id>        draw the preview picture into that X11 window (decimal id)\n"
         "  /a <window id>        change the password through the system's password provider\n"
         "  -root                 draw into the root window, or the screen-saver host's window\n"
         "  -window-id <id>       draw into that X11 window (hexadecimal with 0x, or decimal)\n"
         "  --help                this text\n"
         "\n"
         "Screen-saver hosts: when XSCREENSAVER_WINDOW names a window (hexadecimal or decimal), the saver\n"
         "draws into it. In a host's window the scene is scaled to the window and takes no input; SIGTERM,\n"
         "SIGINT or SIGHUP end the saver, and so does the window going away.\n";
}

}  // namespace lunvale::host
