// SPDX-License-Identifier: MIT
// Our headers keep Windows' names with Windows' numbers, and a Windows file sees Windows' macros in their
// place once it has included platform/win32/windows_api.h. That only works while every number is the
// same: each is taken here before Windows' headers come in and compared with the macro after.
#include <gtest/gtest.h>

#include "platform/app/keys.h"
#include "platform/app/message_box.h"
#include "platform/app/shell.h"
#include "platform/display/direct_draw.h"
#include "platform/media/multimedia_timer.h"
#include "platform/media/sound.h"
#include "platform/system/registry.h"
#include "platform/text/device_context.h"
#include "platform/text/font.h"

// clang-format off
#define LUNVALE_SHARED_NAMES(X) \
  X(VK_BACK) X(VK_TAB) X(VK_RETURN) X(VK_SHIFT) X(VK_CONTROL) X(VK_MENU) X(VK_ESCAPE) X(VK_SPACE) \
  X(VK_LEFT) X(VK_UP) X(VK_RIGHT) X(VK_DOWN) X(VK_F1) X(VK_F2) X(VK_F3) X(VK_F12) \
  X(MB_OK) X(MB_OKCANCEL) X(MB_YESNO) X(MB_ICONSTOP) X(MB_ICONQUESTION) X(MB_ICONWARNING) \
  X(MB_ICONINFORMATION) X(IDOK) X(IDCANCEL) X(IDYES) X(IDNO) \
  X(SW_SHOW) X(SE_ERR_FNF) X(SE_ERR_NOASSOC) \
  X(E_FAIL) X(E_NOTIMPL) X(E_NOINTERFACE) X(E_INVALIDARG) X(E_OUTOFMEMORY) X(SM_CMONITORS) \
  X(TIME_ONESHOT) X(TIME_PERIODIC) X(TIMERR_NOERROR) X(MMSYSERR_INVALPARAM) \
  X(SND_SYNC) X(SND_ASYNC) X(SND_NODEFAULT) X(SND_LOOP) X(SND_PURGE) X(SND_RESOURCE) \
  X(REG_NONE) X(REG_SZ) X(REG_EXPAND_SZ) X(REG_BINARY) X(REG_DWORD) X(REG_MULTI_SZ) X(REG_QWORD) \
  X(KEY_QUERY_VALUE) X(KEY_SET_VALUE) X(KEY_CREATE_SUB_KEY) X(KEY_READ) X(KEY_ALL_ACCESS) \
  X(TRANSPARENT) X(OPAQUE) X(ETO_OPAQUE) X(ETO_CLIPPED) X(CLR_INVALID) \
  X(FW_DONTCARE) X(FW_NORMAL) X(FW_SEMIBOLD) X(FW_BOLD)
// clang-format on

namespace ours {
#define LUNVALE_TAKE(name) constexpr long long k_##name = static_cast<long long>(lunvale::platform::name);
LUNVALE_SHARED_NAMES(LUNVALE_TAKE)
#undef LUNVALE_TAKE
}  // namespace ours

#include "platform/win32/windows_api.h"

// The token pasted with ## is ours; the bare argument has become Windows' macro by now.
#define LUNVALE_SAME(name) \
  static_assert(ours::k_##name == static_cast<long long>(static_cast<decltype(name)>(name)), #name);
LUNVALE_SHARED_NAMES(LUNVALE_SAME)
#undef LUNVALE_SAME

TEST(WindowsNamesTest, TheWindowsBuildCompilesOnlyWhenEveryNameHasWindowsNumber) {
  SUCCEED();
}
