// SPDX-License-Identifier: MIT
#include "platform/pixels/huge_pages.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <cerrno>

namespace lunvale::platform {
namespace {

// A mapping starts on a huge page, holds whole huge pages of zeros that can all be written, and is
// gone, first page to last, once given back.
TEST(HugePages, MapsWholeAlignedPagesAndGivesThemAllBack) {
  const size_t asked = 3 * kHugePage + 1, whole = 4 * kHugePage;
  ASSERT_EQ(WholeHugePages(asked), whole);
  uint8_t* memory = MapHugePages(asked);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(memory) % kHugePage, 0u);
  for (const size_t at : {size_t{0}, asked, whole - 1}) {
    EXPECT_EQ(memory[at], 0);
    memory[at] = 1;
  }
  UnmapHugePages(memory, asked);
  for (const size_t page : {size_t{0}, whole - 4096}) {
    unsigned char resident = 0;
    errno = 0;
    EXPECT_EQ(mincore(memory + page, 4096, &resident), -1);
    EXPECT_EQ(errno, ENOMEM);
  }
}

}  // namespace
}  // namespace lunvale::platform
