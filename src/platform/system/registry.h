// SPDX-License-Identifier: MIT
#pragma once

// platform/system: what the system keeps and converts: the per-user registry and its file format,
// the locale's time format, number conversions, the resources embedded into the executable, and the
// X11 windows named on the command line.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lunvale::platform {

// The per-user registry hive, kept as one text file in the registry editor's REGEDIT4 export format
// at $XDG_CONFIG_HOME/lunvale/HKEY_CURRENT_USER.reg. Keys and value names compare case-insensitively
// and keep the spelling they were stored with. Texts are 8-bit bytes, never converted.
// On Windows TRegistry works on the registry itself (registry_win32.cpp) under the same contract;
// texts are then bytes in the ANSI code page, and ERegistryFileError never occurs.

// Value types, numbered as the registry numbers them.
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_EXPAND_SZ = 2;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;
inline constexpr uint32_t REG_MULTI_SZ = 7;
inline constexpr uint32_t REG_QWORD = 11;

// Access masks. Any mask with a write right needs a writable file and folder to open a key.
inline constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr uint32_t KEY_SET_VALUE = 0x0002;
inline constexpr uint32_t KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr uint32_t KEY_READ = 0x20019;
inline constexpr uint32_t KEY_ALL_ACCESS = 0xF003F;

// Errors of value reads and writes ("Failed to get data for 'Name'", ...), and of a hive file that
// cannot be parsed ("<path>:<line>: ..."). The latter is never rewritten.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ERegistryFileError : public ERegistryException {
 public:
  ERegistryFileError(const std::filesystem::path& file, int line, const std::string& what);
  const std::filesystem::path& File() const { return file_; }
  int Line() const { return line_; }

 private:
  std::filesystem::path file_;
  int line_;
};

// A value as stored: its type and its raw bytes (a REG_SZ includes its terminating zero byte).
struct RegValue {
  uint32_t type = REG_NONE;
  std::string data;
  bool operator==(const RegValue&) const = default;
};

// The folder of the hive file: $XDG_CONFIG_HOME/lunvale when XDG_CONFIG_HOME is absolute, else
// $HOME/.config/lunvale. Looked up on every call, never created by a read. On Windows, where no file
// holds the values, both name the hive: "HKEY_CURRENT_USER".
std::filesystem::path RegistryFolder();
std::filesystem::path RegistryFilePath();

// An accessor on HKEY_CURRENT_USER holding at most one open key. Nothing is cached between
// accessors: opening a key reads the file once, and every write re-reads it under an exclusive lock
// and replaces it atomically, keeping all other keys, values and comments as they were.
class TRegistry {
 public:
  explicit TRegistry(uint32_t access = KEY_ALL_ACCESS) : access_(access) {}
  ~TRegistry() { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  uint32_t Access() const { return access_; }
  const std::string& CurrentPath() const { return current_path_; }
  bool HasCurrentKey() const { return open_; }

  // Opens the key (relative to the hive; a leading backslash is ignored). With canCreate, a missing
  // key is created together with its missing parents. False when the key is missing and not created,
  // when the path has an empty name, or when the access asks for writing and the file or its folder
  // is not writable. Throws ERegistryFileError for a file that cannot be parsed.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  // Opens the key, creating it with its parents, and writes the values into it in their order, all in
  // one replacement of the file: readers see the key with every value or, where it was missing, no
  // key. With onlyIfMissing a key that exists by the time the file is locked is opened as it is. False
  // when nothing could be written (the file cannot be locked, written or replaced; no write access).
  // Throws ERegistryFileError for a file that cannot be parsed. On Windows the values follow the new
  // key one by one, and a key this call created is removed again when one of them cannot be written.
  bool WriteKey(const std::string& key, const std::vector<std::pair<std::string, RegValue>>& values,
                bool onlyIfMissing = false);

  // Reads of the open key (as of the moment it was opened, or of this accessor's last write).
  bool ValueExists(const std::string& name) const;
  std::optional<RegValue> ReadValue(const std::string& name) const;
  std::optional<uint32_t> GetDataType(const std::string& name) const;
  // -1 when the value does not exist.
  int64_t GetDataSize(const std::string& name) const;

  // Throws "Failed to get data for '%s'" when the value is missing and "Invalid data type for '%s'"
  // when it is not a 4-byte REG_DWORD.
  int32_t ReadInteger(const std::string& name) const;
  // Empty when the value is missing or empty; REG_SZ or REG_EXPAND_SZ up to the first zero byte,
  // unexpanded; any other type throws "Invalid data type for '%s'".
  std::string ReadString(const std::string& name) const;

  // Writes throw "Failed to set data for '%s'" when the value cannot be stored.
  void WriteInteger(const std::string& name, int32_t value);
  void WriteString(const std::string& name, const std::string& value);
  void WriteExpandString(const std::string& name, const std::string& value);
  void WriteValue(const std::string& name, const RegValue& value);

 private:
  uint32_t access_;
  bool open_ = false;
  std::string current_path_;
  std::vector<std::pair<std::string, RegValue>> values_;  // the open key's values, as last seen
};

}  // namespace lunvale::platform
