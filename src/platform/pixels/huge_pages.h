// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace lunvale::platform {

// The size of a huge page on x86-64: large pixel buffers start on one and are advised to use them.
inline constexpr size_t kHugePage = size_t{2} << 20;

// `bytes` rounded up to whole huge pages.
constexpr size_t WholeHugePages(size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// Zeroed memory of WholeHugePages(`bytes`) starting on a huge page, which the kernel is asked to back
// with huge pages; without transparent huge pages small pages serve. Throws std::bad_alloc. Given back
// with UnmapHugePages and the same `bytes`.
uint8_t* MapHugePages(size_t bytes);
void UnmapHugePages(void* memory, size_t bytes);

}  // namespace lunvale::platform
