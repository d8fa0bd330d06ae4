// SPDX-License-Identifier: MIT
// Windows: the shell's "open" of the address, after the same refusals as on Linux (IsWebAddress). The
// address's bytes are read as UTF-8 when valid, else as Windows-1252, and handed on through the wide
// call. Every failure of the shell is SE_ERR_NOASSOC, as a missing launcher is on Linux.
#include <cstring>
#include <string>

#include "platform/app/shell.h"
#include "platform/app/wide_text.h"

// clang-format off
#include "platform/win32/windows_api.h"
#include <objbase.h>
// clang-format on

namespace lunvale::platform {

intptr_t ShellExecuteA(unsigned long owner, const char* verb, const char* file, const char* /*parameters*/,
                       const char* /*directory*/, int show) {
  if (file == nullptr || *file == '\0') return SE_ERR_FNF;
  if (verb != nullptr && *verb != '\0' && std::strcmp(verb, "open") != 0) return SE_ERR_NOASSOC;
  if (!IsWebAddress(file)) return SE_ERR_NOASSOC;
  HWND parent = reinterpret_cast<HWND>(static_cast<uintptr_t>(owner));
  if (parent != nullptr && !::IsWindow(parent)) parent = nullptr;
  const std::u16string address = Utf16FromText(file);
  // The shell may hand the address to an extension that needs COM on this thread.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const auto result = reinterpret_cast<intptr_t>(
      ::ShellExecuteW(parent, L"open", reinterpret_cast<const wchar_t*>(address.c_str()), nullptr, nullptr,
                      show != 0 ? show : SW_SHOWNORMAL));
  if (SUCCEEDED(com)) ::CoUninitialize();
  return result > 32 ? result : SE_ERR_NOASSOC;
}

}  // namespace lunvale::platform
