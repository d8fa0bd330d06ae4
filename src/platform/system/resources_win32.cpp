// SPDX-License-Identifier: MIT
// The Windows twin of resources.cpp: the files of assets/ are RCDATA resources of the module, named
// after the file without its extension. Windows keeps resource names in capitals and looks them up
// regardless of case, so here "previewbmp" finds PREVIEWBMP too, and ResourceNames gives the names in
// capitals, in the resource directory's order (sorted).
#include "platform/system/resources.h"

#include <string>

#include "platform/win32/windows_api.h"

// <windows.h> maps FindResource to FindResourceA; this file defines our own.
#undef FindResource

namespace lunvale::platform {

namespace {

// The module this code is linked into (the saver, or a test program), not the process's first one.
HMODULE OwnModule() {
  static HMODULE module = [] {
    HMODULE found = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&OwnModule), &found);
    return found;
  }();
  return module;
}

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
  // Resources numbered instead of named are none of ours.
  if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::string>*>(list)->emplace_back(name);
  return TRUE;
}

}  // namespace

std::optional<std::span<const unsigned char>> FindResource(std::string_view name) {
  // "#12" would name resource number 12; a name with a NUL in it cannot be asked for.
  if (name.empty() || name.front() == '#' || name.find('\0') != std::string_view::npos) return std::nullopt;
  const HMODULE module = OwnModule();
  const std::string key(name);
  HRSRC found = ::FindResourceA(module, key.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return std::nullopt;
  const DWORD size = ::SizeofResource(module, found);
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return size == 0 ? std::optional(std::span<const unsigned char>()) : std::nullopt;
  // Resource data is mapped with the module and lasts as long as it does: nothing to free.
  return std::span<const unsigned char>(static_cast<const unsigned char*>(data), size);
}

std::vector<std::string_view> ResourceNames() {
  // Listed once: the names the views point into live as long as the program.
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    ::EnumResourceNamesA(OwnModule(), MAKEINTRESOURCEA(10), &AddName, reinterpret_cast<LONG_PTR>(&list));
    return list;
  }();
  return {names.begin(), names.end()};
}

}  // namespace lunvale::platform
