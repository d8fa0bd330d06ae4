// SPDX-License-Identifier: MIT
#include "host/password.h"

#include <cstdint>

#include "platform/app/application.h"
#include "platform/app/dynamic_library.h"
#include "platform/app/message_box.h"
#include "platform/system/conversions.h"

namespace lunvale::host {

void RunChangePassword(std::string_view owner_text) {
  const auto owner = static_cast<unsigned long>(static_cast<uint32_t>(platform::StrToInt(owner_text)));
  platform::RequireDisplay();  // the provider's dialog and our messages need one
  platform::HMODULE library = platform::LoadLibraryA("MPR.DLL");
  if (library == nullptr) {
    platform::MessageBoxA(owner, "MPR.DLL not found: cannot change password.", "Screen saver",
                          platform::MB_OK);
    return;
  }
  auto change =
      reinterpret_cast<PwdChangePasswordProc>(platform::GetProcAddress(library, "PwdChangePasswordA"));
  if (change == nullptr) {
    platform::FreeLibrary(library);
    platform::MessageBoxA(owner, "PwdChangeProc not found: cannot change password", "Screen saver",
                          platform::MB_OK);
    return;
  }
  change("SCRSAVE", owner, 0, 0);
  platform::FreeLibrary(library);
}

}  // namespace lunvale::host
