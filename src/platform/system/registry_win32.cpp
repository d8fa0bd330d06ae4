// SPDX-License-Identifier: MIT
// TRegistry on the Windows registry itself, under HKEY_CURRENT_USER. Unlike the Linux hive file there
// is nothing to parse, so ERegistryFileError never occurs. An open key is read once, all its values,
// and its handle closed again at once: reads see the key as it was when opened (or as of this
// accessor's last write), as on Linux, and no handle outlives the call that needed it. Texts go
// through the "A" functions, so they are bytes in the system's ANSI code page.

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/system/registry.h"
#include "platform/system/registry_text.h"
#include "platform/system/registry_values.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

namespace fs = std::filesystem;

namespace {

using registry_text::JoinKey;
using registry_text::SplitKey;
using registry_values::ErrorText;

using Values = std::vector<std::pair<std::string, RegValue>>;

// The API takes names as C strings: a zero byte inside one would quietly name another key or value.
bool HasZeroByte(const std::string& s) {
  return s.find('\0') != s.npos;
}

// The key's path for the API: no leading backslash and no empty names. Nullopt when it cannot name
// a key.
std::optional<std::string> ApiPath(const std::string& key) {
  if (HasZeroByte(key)) return std::nullopt;
  auto names = SplitKey(key);
  if (!names) return std::nullopt;
  return JoinKey(*names);
}

bool AsksToWrite(uint32_t access) {
  return (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0;
}

// Every value of the key, in the registry's order. Buffers start at the sizes the key reports and
// grow while a value does not fit: "A" sizes of texts are not always those of the stored data, and
// a value may grow between the calls.
bool ReadAll(HKEY key, Values& out) {
  out.clear();
  DWORD name_max = 0, data_max = 0;
  if (::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &name_max,
                         &data_max, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::string name(name_max + 1, '\0');
  std::string data(std::max<DWORD>(data_max, 1), '\0');
  for (DWORD index = 0;;) {
    DWORD name_size = static_cast<DWORD>(name.size());
    DWORD data_size = static_cast<DWORD>(data.size());
    DWORD type = REG_NONE;
    const LONG rc = ::RegEnumValueA(key, index, name.data(), &name_size, nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.data()), &data_size);
    if (rc == ERROR_NO_MORE_ITEMS) return true;
    if (rc == ERROR_MORE_DATA) {
      // Names are at most 16383 characters; data may be as large as memory allows.
      if (name.size() < 32768) name.resize(name.size() * 2);
      const size_t wanted = std::max<size_t>(data.size() * 2, data_size);
      if (wanted > std::numeric_limits<DWORD>::max() / 2) return false;
      data.resize(wanted);
      continue;
    }
    if (rc != ERROR_SUCCESS) return false;
    out.emplace_back(name.substr(0, name_size), RegValue{type, data.substr(0, data_size)});
    ++index;
  }
}

LONG SetValue(HKEY key, const std::string& name, const RegValue& value) {
  if (HasZeroByte(name) || value.data.size() > std::numeric_limits<DWORD>::max())
    return ERROR_INVALID_PARAMETER;
  return ::RegSetValueExA(key, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size()));
}

// Closes the handle at the end of the scope that opened it.
class KeyHandle {
 public:
  KeyHandle() = default;
  ~KeyHandle() { Close(); }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }
  void Close() {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

// Opens or creates the key; disposition tells which.
LONG CreateKey(const std::string& path, uint32_t access, KeyHandle& key, DWORD* disposition = nullptr) {
  return ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           static_cast<REGSAM>(access), nullptr, key.Out(), disposition);
}

}  // namespace

// No file holds the values here; both name the hive they live in.
fs::path RegistryFolder() {
  return "HKEY_CURRENT_USER";
}

fs::path RegistryFilePath() {
  return RegistryFolder();
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  const auto path = ApiPath(key);
  if (!path) return false;
  // The values are read right away, so the key is opened for that as well as for what was asked.
  const uint32_t access = access_ | KEY_QUERY_VALUE;
  KeyHandle handle;
  LONG rc = ::RegOpenKeyExA(HKEY_CURRENT_USER, path->c_str(), 0, static_cast<REGSAM>(access), handle.Out());
  if (rc == ERROR_FILE_NOT_FOUND && canCreate && AsksToWrite(access_)) rc = CreateKey(*path, access, handle);
  Values values;
  if (rc != ERROR_SUCCESS || !ReadAll(handle.Get(), values)) return false;
  open_ = true;
  current_path_ = *path;
  values_ = std::move(values);
  return true;
}

bool TRegistry::WriteKey(const std::string& key, const std::vector<std::pair<std::string, RegValue>>& values,
                         bool onlyIfMissing) {
  CloseKey();
  const auto path = ApiPath(key);
  if (!path || !(access_ & KEY_SET_VALUE)) return false;
  for (const auto& [name, value] : values)
    if (HasZeroByte(name) || value.data.size() > std::numeric_limits<DWORD>::max()) return false;
  KeyHandle handle;
  DWORD disposition = 0;
  if (CreateKey(*path, access_ | KEY_QUERY_VALUE, handle, &disposition) != ERROR_SUCCESS) return false;
  const bool created = disposition == REG_CREATED_NEW_KEY;
  bool ok = true;
  if (created || !onlyIfMissing)
    for (const auto& [name, value] : values)
      if (!(ok = SetValue(handle.Get(), name, value) == ERROR_SUCCESS)) break;
  Values stored;
  ok = ok && ReadAll(handle.Get(), stored);
  if (!ok) {
    // A key of ours with only some of its values would fail every later read of the others: a key
    // this call created goes again, so that the next run starts afresh.
    if (created) {
      handle.Close();
      ::RegDeleteKeyA(HKEY_CURRENT_USER, path->c_str());
    }
    return false;
  }
  open_ = true;
  current_path_ = *path;
  values_ = std::move(stored);
  return true;
}

void TRegistry::WriteValue(const std::string& name, const RegValue& value) {
  const std::string failed = ErrorText("Failed to set data for '%s'", name);
  if (!open_ || !(access_ & KEY_SET_VALUE)) throw ERegistryException(failed);
  // Created again when it was removed behind our back: the open key stays, as on Linux.
  KeyHandle handle;
  if (CreateKey(current_path_, KEY_SET_VALUE | KEY_QUERY_VALUE, handle) != ERROR_SUCCESS ||
      SetValue(handle.Get(), name, value) != ERROR_SUCCESS)
    throw ERegistryException(failed);
  Values values;
  if (ReadAll(handle.Get(), values)) {
    values_ = std::move(values);
    return;
  }
  registry_values::Remember(values_, name, value);
}

}  // namespace lunvale::platform
