// SPDX-License-Identifier: MIT
#include "host/hosted.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

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
  auto form = std::make_unique<scene::TForm1>(
      nullptr, std::make_shared<platform::SdlDisplayBackend>(platform::Application::DisplayCalls(), window));
  form->SetHostWindow(window);
  form->MakeMainForm();
  app.SetOnQuitRequest([&form] { form->CloseSaver(); });
  form->FormCreate();
  if (!form->Qss1()->FDDBACK()) throw std::runtime_error(form->Qss1()->GetErrorResult());
  form->Show();
  app.Run();
}

}  // namespace lunvale::host
