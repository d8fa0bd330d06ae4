// SPDX-License-Identifier: MIT
// Windows: the system's loader. The name is read as UTF-8 when valid, else as Windows-1252, and the
// system shows no box of its own when a library cannot be loaded.
#include <string>

#include "platform/app/dynamic_library.h"
#include "platform/app/wide_text.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

HMODULE LoadLibraryA(const char* name) {
  if (name == nullptr) return nullptr;
  const std::u16string wide = Utf16FromText(name);
  DWORD old_mode = 0;
  const bool quiet =
      ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_mode) != FALSE;
  ::HMODULE module = ::LoadLibraryW(reinterpret_cast<const wchar_t*>(wide.c_str()));
  if (quiet) ::SetThreadErrorMode(old_mode, nullptr);
  return reinterpret_cast<HMODULE>(module);
}

FARPROC GetProcAddress(HMODULE module, const char* proc_name) {
  if (module == nullptr || proc_name == nullptr) return nullptr;
  return reinterpret_cast<FARPROC>(::GetProcAddress(reinterpret_cast<::HMODULE>(module), proc_name));
}

bool FreeLibrary(HMODULE module) {
  return module != nullptr && ::FreeLibrary(reinterpret_cast<::HMODULE>(module)) != FALSE;
}

}  // namespace lunvale::platform
