// SPDX-License-Identifier: MIT
#include "platform/system/registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/system/registry_text.h"
#include "platform/system/registry_values.h"

namespace lunvale::platform {

namespace fs = std::filesystem;

namespace {

using registry_text::CreateKey;
using registry_text::Document;
using registry_text::JoinKey;
using registry_text::KeyExists;
using registry_text::KeyValues;
using registry_text::kHeader;
using registry_text::SetValue;
using registry_text::SplitKey;
using registry_values::ErrorText;
using registry_values::Remember;

constexpr char kFileName[] = "HKEY_CURRENT_USER.reg";
// Long enough for any write of another run to finish; a holder that is stuck fails our write instead.
constexpr std::chrono::milliseconds kLockWait{3000};

// Root writes through any mode bits, so a missing user-write bit is what stands for "read-only".
bool Writable(const fs::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  if (::geteuid() == 0) return (st.st_mode & S_IWUSR) != 0;
  return ::access(path.c_str(), W_OK) == 0;
}

bool CreateFolder(const fs::path& dir) {
  struct stat st;
  if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  fs::path parent = dir.parent_path();
  if (parent.empty() || parent == dir || !CreateFolder(parent) || !Writable(parent)) return false;
  return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

// Reads and parses the file. False when it is there but cannot be read; a missing file is an empty
// hive. Throws ERegistryFileError when it cannot be parsed.
bool Load(const fs::path& file, Document& doc) {
  doc = Document{};
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  std::string bytes;
  if (fd < 0) {
    if (errno != ENOENT && errno != ENOTDIR) return false;
  } else {
    doc.exists = true;
    char buf[16384];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) != 0) {
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    if (n < 0) return false;
  }
  if (bytes.empty()) {  // a new or emptied file starts as an export with no keys
    doc.lines = {{kHeader, "\n"}, {"", "\n"}};
    return true;
  }
  registry_text::SplitLines(bytes, doc);
  registry_text::Parse(file, doc);
  return true;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// A hive file kept elsewhere through a symbolic link (dotfiles in a repository) is written where the
// link points, so that the link stays. A link that points nowhere names the file to create.
fs::path Resolve(fs::path file) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec))) return file;
    fs::path target = fs::read_symlink(file, ec);
    if (ec) return file;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file;
}

// Temporary files are named after the file they replace: "." + name + "." + six characters.
std::string TemporaryPrefix(const fs::path& file) {
  return "." + file.filename().string() + ".";
}

// Temporaries left by writes that were killed before their rename. Only called under the write lock,
// so none of them belongs to a write still in progress.
void RemoveStaleTemporaries(const fs::path& file) {
  const std::string prefix = TemporaryPrefix(file);
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(file.parent_path(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
      fs::remove(entry.path(), ec);
  }
}

// Replaces the file by a complete new one, so that readers see the old or the new file, never a part.
bool Store(const fs::path& link, const Document& doc) {
  const fs::path file = Resolve(link);
  RemoveStaleTemporaries(file);
  const std::string bytes = registry_text::JoinLines(doc);
  std::string tmp = (file.parent_path() / (TemporaryPrefix(file) + "XXXXXX")).string();
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) return false;
  struct stat st;
  bool ok = true;
  if (::stat(file.c_str(), &st) == 0) {
    ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    if (ok && ::geteuid() == 0) ok = ::fchown(fd, st.st_uid, st.st_gid) == 0;
  }
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(tmp.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  int dfd = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

// The data file is replaced by rename, so writers serialise on a lock file that stays in place. The
// wait is bounded: a run that cannot get the lock fails its write rather than hang.
class WriteLock {
 public:
  explicit WriteLock(const fs::path& file) {
    fs::path lock = file;
    lock += ".lock";
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) fd_ = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    // Polled, with pauses growing from 50 us: most holders are done within a millisecond or two.
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    std::chrono::microseconds pause{50};
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
        ::close(fd_);
        fd_ = -1;
        break;
      }
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::microseconds{4000});
    }
  }
  ~WriteLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  WriteLock(const WriteLock&) = delete;
  WriteLock& operator=(const WriteLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The file and its folder must both be writable: a write replaces the file in the folder.
bool CanWrite(const fs::path& file, const Document& doc) {
  return Writable(Resolve(file).parent_path()) && (!doc.exists || Writable(file));
}

// Sections are indexed by line, so an edit that moved lines needs a fresh index.
void Reindex(const fs::path& file, Document& doc) {
  doc.sections.clear();
  registry_text::Parse(file, doc);
}

}  // namespace

fs::path RegistryFolder() {
  fs::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else if (home && home[0] != '\0') {
    base = fs::path(home) / ".config";
  } else {
    const passwd* pw = ::getpwuid(::getuid());
    base = fs::path(pw && pw->pw_dir ? pw->pw_dir : "/") / ".config";
  }
  return base / "lunvale";
}

fs::path RegistryFilePath() {
  return RegistryFolder() / kFileName;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  auto names = SplitKey(key);
  if (!names) return false;
  const fs::path file = RegistryFilePath();
  const bool writes = (access_ & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0;
  Document doc;
  if (!Load(file, doc)) return false;
  if (writes && doc.exists && !CanWrite(file, doc)) return false;
  if (!KeyExists(doc, *names)) {
    if (!canCreate || !writes || !CreateFolder(file.parent_path()) || !Writable(file.parent_path()))
      return false;
    WriteLock lock(file);
    if (!lock.Held() || !Load(file, doc) || !CanWrite(file, doc)) return false;
    if (!KeyExists(doc, *names)) {
      CreateKey(doc, *names);
      if (!Store(file, doc)) return false;
    }
  }
  open_ = true;
  current_path_ = JoinKey(*names);
  values_ = KeyValues(doc, *names);
  return true;
}

bool TRegistry::WriteKey(const std::string& key, const std::vector<std::pair<std::string, RegValue>>& values,
                         bool onlyIfMissing) {
  CloseKey();
  auto names = SplitKey(key);
  if (!names || !(access_ & KEY_SET_VALUE)) return false;
  for (const auto& [name, value] : values)
    if (name.find_first_of("\r\n") != name.npos) return false;
  const fs::path file = RegistryFilePath();
  if (!CreateFolder(file.parent_path()) || !Writable(file.parent_path())) return false;
  WriteLock lock(file);
  Document doc;
  if (!lock.Held() || !Load(file, doc) || !CanWrite(file, doc)) return false;
  bool changed = false;
  if (!KeyExists(doc, *names)) {
    CreateKey(doc, *names);
    changed = true;
  } else if (onlyIfMissing) {
    values_ = KeyValues(doc, *names);
  }
  if (changed || !onlyIfMissing) {
    for (const auto& [name, value] : values) {
      if (SetValue(doc, *names, name, value)) {
        changed = true;
        Reindex(file, doc);
      }
    }
    if (changed && !Store(file, doc)) return false;
    values_ = KeyValues(doc, *names);
  }
  open_ = true;
  current_path_ = JoinKey(*names);
  return true;
}

void TRegistry::WriteValue(const std::string& name, const RegValue& value) {
  const std::string failed = ErrorText("Failed to set data for '%s'", name);
  // A line break in a name would split its line; names have no escaped form for it.
  if (!open_ || !(access_ & KEY_SET_VALUE) || name.find_first_of("\r\n") != name.npos)
    throw ERegistryException(failed);
  const fs::path file = RegistryFilePath();
  auto names = *SplitKey(current_path_);
  if (!CreateFolder(file.parent_path()) || !Writable(file.parent_path())) throw ERegistryException(failed);
  WriteLock lock(file);
  Document doc;
  if (!lock.Held() || !Load(file, doc) || !CanWrite(file, doc)) throw ERegistryException(failed);
  if (!KeyExists(doc, names)) CreateKey(doc, names);  // removed behind our back: the open key stays
  auto values = KeyValues(doc, names);
  if (SetValue(doc, names, name, value) && !Store(file, doc)) throw ERegistryException(failed);
  Remember(values, name, value);
  values_ = std::move(values);
}

}  // namespace lunvale::platform
