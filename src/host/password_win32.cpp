// SPDX-License-Identifier: MIT
// Password-change mode on Windows: as password.cpp, but the provider's entry point is called as
// Windows exports it, with its calling convention (which differs in the 32-bit module) and a full
// window handle.
#include "host/password.h"

#include <cstdint>

#include "platform/app/application.h"
#include "platform/app/dynamic_library.h"
#include "platform/app/message_box.h"
#include "platform/system/conversions.h"

#include "platform/win32/windows_api.h"

namespace lunvale::host {

namespace {

using WindowsPwdChangePasswordProc = DWORD(WINAPI*)(LPCSTR regkey_name, HWND owner, DWORD reserved1,
                                                    DWORD reserved2);

}  // namespace

void RunChangePassword(std::string_view owner_text) {
  const int32_t owner = platform::StrToInt(owner_text);
  platform::RequireDisplay();
  const auto owner_id = static_cast<unsigned long>(static_cast<uint32_t>(owner));
  platform::HMODULE library = platform::LoadLibraryA("MPR.DLL");
  if (library == nullptr) {
    platform::MessageBoxA(owner_id, "MPR.DLL not found: cannot change password.", "Screen saver", MB_OK);
    return;
  }
  auto change = reinterpret_cast<WindowsPwdChangePasswordProc>(
      reinterpret_cast<void (*)()>(platform::GetProcAddress(library, "PwdChangePasswordA")));
  if (change == nullptr) {
    platform::FreeLibrary(library);
    platform::MessageBoxA(owner_id, "PwdChangeProc not found: cannot change password", "Screen saver", MB_OK);
    return;
  }
  // A handle keeps 32 significant bits and is sign-extended into a 64-bit one.
  change("SCRSAVE", reinterpret_cast<HWND>(static_cast<intptr_t>(owner)), 0, 0);
  platform::FreeLibrary(library);
}

}  // namespace lunvale::host
