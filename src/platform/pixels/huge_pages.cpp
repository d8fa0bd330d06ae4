// SPDX-License-Identifier: MIT
#include "platform/pixels/huge_pages.h"

#include <sys/mman.h>

#include <new>

namespace lunvale::platform {

uint8_t* MapHugePages(size_t bytes) {
  if (bytes == 0 || bytes > SIZE_MAX - 2 * kHugePage) throw std::bad_alloc();
  bytes = WholeHugePages(bytes);
  // A huge page more than asked for, so that an aligned start lies inside; the ends are given back.
  const size_t span = bytes + kHugePage;
  void* memory = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(memory);
  const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(memory, aligned - start);
  if (start + span > aligned + bytes)
    munmap(reinterpret_cast<void*>(aligned + bytes), start + span - aligned - bytes);
  // Without transparent huge pages the kernel refuses, and small pages serve.
  madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
  return reinterpret_cast<uint8_t*>(aligned);
}

void UnmapHugePages(void* memory, size_t bytes) {
  if (memory != nullptr) munmap(memory, WholeHugePages(bytes));
}

}  // namespace lunvale::platform
