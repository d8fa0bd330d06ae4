// SPDX-License-Identifier: MIT
#include "platform/media/display_sound.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace lunvale::platform {

bool DisplaySoundClaim::Claim() {
  if (fd_ >= 0) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string folder = runtime != nullptr && *runtime != '\0'
                                 ? std::string(runtime)
                                 : "/tmp/lunvale-" + std::to_string(::getuid());
  const std::string path =
      DisplaySoundLockFile(folder, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (path.empty()) return true;
  if (runtime == nullptr || *runtime == '\0') ::mkdir(folder.c_str(), 0700);
  // No following links: in a shared folder a link could point the lock at someone else's file.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void DisplaySoundClaim::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // drops the lock
  fd_ = -1;
}

}  // namespace lunvale::platform
