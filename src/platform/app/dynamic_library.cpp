// SPDX-License-Identifier: MIT
#include "platform/app/dynamic_library.h"

#include <dlfcn.h>

namespace lunvale::platform {

HMODULE LoadLibraryA(const char* name) {
  if (name == nullptr) return nullptr;
  return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char* proc_name) {
  if (module == nullptr || proc_name == nullptr) return nullptr;
  return dlsym(module, proc_name);
}

bool FreeLibrary(HMODULE module) {
  return module != nullptr && dlclose(module) == 0;
}

}  // namespace lunvale::platform
