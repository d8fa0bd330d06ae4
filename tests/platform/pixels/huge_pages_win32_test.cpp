// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/pixels/huge_pages.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {
namespace {

// Each mapping starts on a huge page and holds whole huge pages of writable zeros, and all of it is
// free again once given back, even with several held at once.
TEST(HugePagesWin32, MapsWholeAlignedPagesAndGivesThemAllBack) {
  const size_t asked = 3 * kHugePage + 1, whole = 4 * kHugePage;
  uint8_t* first = MapHugePages(asked);
  uint8_t* second = MapHugePages(1);
  for (uint8_t* memory : {first, second}) {
    EXPECT_EQ(reinterpret_cast<uintptr_t>(memory) % kHugePage, 0u);
    EXPECT_EQ(memory[0], 0);
    memory[0] = 1;
  }
  EXPECT_EQ(first[whole - 1], 0);
  first[whole - 1] = 1;
  UnmapHugePages(first, asked);
  UnmapHugePages(second, 1);
  for (uint8_t* at : {first, first + whole - 1, second}) {
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(::VirtualQuery(at, &info, sizeof(info)), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
  }
}

}  // namespace
}  // namespace lunvale::platform
