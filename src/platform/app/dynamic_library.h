// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::platform {

// Run-time loading of a library by name. A module handle of null means "not loaded".
using HMODULE = void*;
using FARPROC = void*;

HMODULE LoadLibraryA(const char* name);
FARPROC GetProcAddress(HMODULE module, const char* proc_name);
bool FreeLibrary(HMODULE module);

}  // namespace lunvale::platform
