// SPDX-License-Identifier: MIT
// Windows: the system's own message box, with the 8-bit texts read as on Linux (UTF-8 when valid, else
// Windows-1252) and shown through the wide call. The owner is a window handle; one that is not a
// window (any more) is left out rather than failing the box.
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/app/message_box.h"
#include "platform/app/wide_text.h"
#include "platform/text/code_page.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

int MessageBoxA(unsigned long owner, std::string_view text, std::string_view caption, unsigned type) {
  HWND parent = reinterpret_cast<HWND>(static_cast<uintptr_t>(owner));
  if (parent != nullptr && !::IsWindow(parent)) parent = nullptr;
  const std::u16string wide_text = Utf16FromText(text);
  const std::u16string wide_caption = Utf16FromText(caption);
  const int pressed = ::MessageBoxW(parent, reinterpret_cast<const wchar_t*>(wide_text.c_str()),
                                    reinterpret_cast<const wchar_t*>(wide_caption.c_str()), type);
  if (pressed != 0) return pressed;
  // No box could be shown (no window station, say): the report still reaches someone.
  std::fprintf(stderr, "%s: %s\n", AnsiToUtf8(caption).c_str(), AnsiToUtf8(text).c_str());
  return (type & 0x0F) == MB_YESNO ? IDYES : IDOK;
}

}  // namespace lunvale::platform
