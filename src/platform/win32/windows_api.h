// SPDX-License-Identifier: MIT
#pragma once

// platform/win32: Windows' own headers, for the Windows build's *_win32.cpp files.
//
// Our headers keep Windows' names and numbers (VK_ESCAPE, MB_OK, REG_DWORD, E_FAIL, SND_LOOP...) as
// constants of their own, and <windows.h> defines the same names as macros. So a file that needs
// Windows includes this header last, after every header of ours: our constants are declared before the
// macros exist, and from here on each name is the macro with the same number
// (tests/platform/win32/windows_names_win32_test.cpp checks every one). No other file includes
// <windows.h>, and no header of ours includes this one; tools/layers/layers.py enforces both.

#ifndef _WIN32
#error "platform/win32/windows_api.h belongs to the Windows build"
#endif

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
// clang-format on

// Windows' generic names for its A and W functions, where they are names of ours too (DeviceContext's
// TextOut, our FindResource...). Windows files call Windows' functions by their W (or A) names.
#undef CreateWindow
#undef DrawText
#undef ExtTextOut
#undef FindResource
#undef GetTextExtentPoint32
#undef GetTimeFormat
#undef ReplaceFile
#undef SetPort
#undef TextOut
