// SPDX-License-Identifier: MIT
#include "host/hosted.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"
#include "platform/display/sdl_display.h"
#include "platform/display/x11_output.h"
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
  std::unique_ptr<scene::TForm1> form;
  platform::MainThreadCalls calls = platform::Application::DisplayCalls();
  const auto start = [&form, &calls, window] {
    form = std::make_unique<scene::TForm1>(nullptr,
                                           std::make_shared<platform::SdlDisplayBackend>(calls, window));
    form->SetHostWindow(window);
    form->MakeMainForm();
    form->FormCreate();
    if (!form->Qss1()->FDDBACK()) throw std::runtime_error(form->Qss1()->GetErrorResult());
    form->Show();
  };
  // A host's window that takes another shape (a settings dialog's preview being resized) gets a scene
  // composed for it: the form is made anew, as at the start, once the frames have let go of the old one.
  bool remaking = false;
  calls.resized = [&](int width, int height) {
    if (remaking || !form || scene::LayoutFor(std::pair{width, height}) == form->Layout()) return;
    remaking = true;
    app.QueueCall([&] {
      // Sizes heard while the old form goes and the new one starts are the new one's to read.
      form.reset();
      start();
      remaking = false;
    });
  };
  app.SetOnQuitRequest([&form] { form->CloseSaver(); });
  start();
  app.Run();
}

}  // namespace lunvale::host
