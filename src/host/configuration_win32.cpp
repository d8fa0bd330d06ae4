// SPDX-License-Identifier: MIT
// Configuration mode on Windows: the settings dialog is Qt's on Linux and not yet in this build, so
// /c says so in a message box (owned by the window "/c:<handle>" names, when it names one) and tells
// where the settings are kept.
#include <cstdint>
#include <string>

#include "host/modes.h"
#include "host/run_modes.h"
#include "platform/app/application.h"
#include "platform/app/message_box.h"
#include "platform/system/conversions.h"
#include "settings/settings_store.h"

namespace lunvale::host {

void RunConfiguration(int argc, char** argv) {
  platform::Application::Instance().SetTitle("Screensaver Configuration");
  unsigned long owner = 0;
  if (argc > 1) {
    try {
      owner = static_cast<uint32_t>(platform::StrToInt(SwitchArgument(argv[1], argc > 2 ? argv[2] : "")));
    } catch (const platform::EConvertError&) {
      // No owner: the box stands on its own.
    }
  }
  const std::string text =
      "The settings dialog is not in this build yet.\n\nThe settings are kept in the registry under\n"
      "HKEY_CURRENT_USER\\" +
      settings::KeyPath(settings::kBrandName, settings::kSSName) + ".";
  platform::MessageBoxA(owner, text, "Screensaver Configuration",
                        platform::MB_OK | platform::MB_ICONINFORMATION);
}

}  // namespace lunvale::host
