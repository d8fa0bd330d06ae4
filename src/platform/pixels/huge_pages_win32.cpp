// SPDX-License-Identifier: MIT
// The Windows build's huge_pages.cpp: large pages need a privilege that users lack, so the memory is
// plain committed pages, still starting on a huge-page boundary as the callers expect.
#include "platform/pixels/huge_pages.h"

#include <new>

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

uint8_t* MapHugePages(size_t bytes) {
  if (bytes == 0 || bytes > SIZE_MAX - 2 * kHugePage) throw std::bad_alloc();
  bytes = WholeHugePages(bytes);
  // Windows cannot give back the ends of a reservation, so an aligned start is found by reserving a huge
  // page more, letting it go and taking the aligned part at once; another thread may take the place
  // meanwhile, hence the few tries.
  for (int attempt = 0; attempt < 8; ++attempt) {
    void* probe = ::VirtualAlloc(nullptr, bytes + kHugePage, MEM_RESERVE, PAGE_NOACCESS);
    if (probe == nullptr) break;
    const auto start = reinterpret_cast<uintptr_t>(probe);
    const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    ::VirtualFree(probe, 0, MEM_RELEASE);
    void* memory =
        ::VirtualAlloc(reinterpret_cast<void*>(aligned), bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (memory != nullptr) return static_cast<uint8_t*>(memory);  // committed pages read as zeros
  }
  throw std::bad_alloc();
}

void UnmapHugePages(void* memory, size_t) {
  if (memory != nullptr) ::VirtualFree(memory, 0, MEM_RELEASE);
}

}  // namespace lunvale::platform
