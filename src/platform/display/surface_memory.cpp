// SPDX-License-Identifier: MIT
#include "platform/display/surface_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "platform/pixels/huge_pages.h"

namespace lunvale::platform {

namespace {

// Surfaces from this size on go into blocks: the water strips' frames, not the gulls'.
constexpr size_t kBlockFrom = size_t{128} << 10;
// About what a block reserves; only the huge pages its surfaces touch take memory.
constexpr size_t kBlockBytes = size_t{32} << 20;
constexpr size_t kSlotAlign = 64;

}  // namespace

struct SurfaceMemory::Block {
  Block(size_t slot_size, size_t count, uint8_t* memory, size_t length)
      : slot_bytes(slot_size), slots(count), base(memory), bytes(length) {
    released.reserve(slots);  // giving a slot back must not need memory
  }
  ~Block() { UnmapHugePages(base, bytes); }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;

  const size_t slot_bytes;
  const size_t slots;
  uint8_t* const base;
  const size_t bytes;
  // Guarded by the registry's mutex: slots never handed out start at `fresh` and are still zero;
  // `released` ones were used before.
  size_t fresh = 0;
  std::vector<size_t> released;
};

namespace {

std::mutex g_mutex;
std::vector<std::weak_ptr<SurfaceMemory::Block>> g_blocks;  // guarded by g_mutex

std::shared_ptr<SurfaceMemory::Block> NewBlock(size_t slot_bytes) {
  const size_t wanted = std::max<size_t>(1, kBlockBytes / slot_bytes) * slot_bytes;
  const size_t bytes = WholeHugePages(wanted);
  uint8_t* memory = MapHugePages(bytes);
  try {
    return std::make_shared<SurfaceMemory::Block>(slot_bytes, bytes / slot_bytes, memory, bytes);
  } catch (...) {
    UnmapHugePages(memory, bytes);
    throw;
  }
}

}  // namespace

SurfaceMemory::SurfaceMemory(size_t pixels) {
  if (pixels == 0) return;
  if (pixels > SIZE_MAX / sizeof(uint32_t) - kSlotAlign) throw std::bad_alloc();
  const size_t bytes = pixels * sizeof(uint32_t);
  if (bytes < kBlockFrom) {
    data_ = static_cast<uint32_t*>(std::calloc(pixels, sizeof(uint32_t)));
    if (data_ == nullptr) throw std::bad_alloc();
    return;
  }
  const size_t slot_bytes = (bytes + kSlotAlign - 1) / kSlotAlign * kSlotAlign;
  bool used_before = false;
  {
    std::lock_guard lock(g_mutex);
    std::erase_if(g_blocks, [](const std::weak_ptr<Block>& block) { return block.expired(); });
    for (const std::weak_ptr<Block>& weak : g_blocks) {
      std::shared_ptr<Block> block = weak.lock();
      if (!block || block->slot_bytes != slot_bytes) continue;
      if (!block->released.empty()) {
        slot_ = block->released.back();
        block->released.pop_back();
        used_before = true;
      } else if (block->fresh < block->slots) {
        slot_ = block->fresh++;
      } else {
        continue;
      }
      block_ = std::move(block);
      break;
    }
    if (!block_) {
      std::shared_ptr<Block> block = NewBlock(slot_bytes);
      g_blocks.push_back(block);
      slot_ = block->fresh++;
      block_ = std::move(block);
    }
  }
  data_ = reinterpret_cast<uint32_t*>(block_->base + slot_ * slot_bytes);
  if (used_before) std::memset(data_, 0, bytes);
}

SurfaceMemory::~SurfaceMemory() {
  Release();
}

SurfaceMemory::SurfaceMemory(SurfaceMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), block_(std::move(other.block_)), slot_(other.slot_) {}

SurfaceMemory& SurfaceMemory::operator=(SurfaceMemory&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    block_ = std::move(other.block_);
    slot_ = other.slot_;
  }
  return *this;
}

void SurfaceMemory::Release() {
  if (block_) {
    // The slot goes back under the lock; the block itself, when this was its last surface, after it.
    std::shared_ptr<Block> block = std::move(block_);
    std::lock_guard lock(g_mutex);
    block->released.push_back(slot_);
  } else {
    std::free(data_);
  }
  data_ = nullptr;
}

}  // namespace lunvale::platform
