// SPDX-License-Identifier: MIT
#include "host/run_modes.h"

#include <memory>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"
#include "scene/scene_form.h"

namespace lunvale::host {

void RunSaver() {
  platform::Application& app = platform::Application::Instance();
  platform::InstallQuitSignals();
  platform::QuitSignalsScope quit_scope;
  app.Initialize();
  auto form = std::make_unique<scene::TForm1>(nullptr);
  form->MakeMainForm();
  // A host or the session stops the saver by signal: the same exit sequence as Escape.
  app.SetOnQuitRequest([&form] { form->CloseSaver(); });
  form->FormCreate();
  form->Show();
  app.Run();
}

}  // namespace lunvale::host
