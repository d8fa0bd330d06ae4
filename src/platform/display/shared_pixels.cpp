// SPDX-License-Identifier: MIT
#include "platform/display/shared_pixels.h"

#include <sys/ipc.h>
#include <sys/shm.h>

namespace lunvale::platform {

SharedPixels MapSharedPixels(size_t bytes) {
  if (bytes == 0) return {};
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id < 0) return {};
  void* memory = shmat(id, nullptr, 0);
  // Marked for removal at once, the segment goes when the last process lets go of it, however we end;
  // until then the X server may still attach it.
  shmctl(id, IPC_RMID, nullptr);
  if (memory == reinterpret_cast<void*>(-1)) return {};
  return {static_cast<uint32_t*>(memory), id};  // a new segment is all zeros: black
}

void UnmapSharedPixels(uint32_t* data) {
  if (data != nullptr) shmdt(data);
}

}  // namespace lunvale::platform
