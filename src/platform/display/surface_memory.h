// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lunvale::platform {

// The zeroed pixels of one off-screen surface.
//
// Large surfaces of one size share blocks on huge pages: a strip's frames are each about a megabyte, and
// the frame shown is read afresh every frame, long after the caches and the address translations of the
// last frame have gone. On small pages a third of that read went to walking the page tables. A block
// holds many surfaces so that the frames of a strip fill whole huge pages between them; a slot that a
// surface lets go of is handed to the next surface of that size. Small surfaces are plain heap memory.
//
// Safe to make and drop on any thread.
class SurfaceMemory {
 public:
  SurfaceMemory() = default;
  // Throws std::bad_alloc when there is no memory for it.
  explicit SurfaceMemory(size_t pixels);
  ~SurfaceMemory();
  SurfaceMemory(SurfaceMemory&& other) noexcept;
  SurfaceMemory& operator=(SurfaceMemory&& other) noexcept;
  SurfaceMemory(const SurfaceMemory&) = delete;
  SurfaceMemory& operator=(const SurfaceMemory&) = delete;

  uint32_t* Data() const { return data_; }
  // Whether the pixels sit in a shared block (large surfaces).
  bool InBlock() const { return block_ != nullptr; }

  struct Block;  // the huge pages a few surfaces of one size share

 private:
  void Release();

  uint32_t* data_ = nullptr;
  std::shared_ptr<Block> block_;  // null for heap memory
  size_t slot_ = 0;
};

}  // namespace lunvale::platform
