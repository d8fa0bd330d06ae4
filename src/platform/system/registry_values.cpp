// SPDX-License-Identifier: MIT
// TRegistry's reads and typed writes of the open key, the same on both stores: they work on the
// values read when the key was opened, and the typed writes go through WriteValue, which each store
// has of its own (registry.cpp, registry_win32.cpp).

#include "platform/system/registry_values.h"

#include <algorithm>

#include "platform/system/registry.h"
#include "platform/system/registry_text.h"

namespace lunvale::platform {

namespace fs = std::filesystem;

using registry_text::DwordBytes;
using registry_text::DwordValue;
using registry_text::IEquals;
using registry_values::ErrorText;

std::string registry_values::ErrorText(const char* pattern, const std::string& name) {
  std::string s = pattern;
  s.replace(s.find("%s"), 2, name);
  return s;
}

void registry_values::Remember(std::vector<std::pair<std::string, RegValue>>& values, const std::string& name,
                               const RegValue& value) {
  auto it = std::find_if(values.begin(), values.end(), [&](const auto& p) { return IEquals(p.first, name); });
  if (it == values.end())
    values.emplace_back(name, value);
  else
    it->second = value;
}

ERegistryFileError::ERegistryFileError(const fs::path& file, int line, const std::string& what)
    : ERegistryException(file.string() + ":" + std::to_string(line) + ": " + what),
      file_(file),
      line_(line) {}

void TRegistry::CloseKey() {
  open_ = false;
  current_path_.clear();
  values_.clear();
}

std::optional<RegValue> TRegistry::ReadValue(const std::string& name) const {
  for (const auto& [n, v] : values_)
    if (IEquals(n, name)) return v;
  return std::nullopt;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return ReadValue(name).has_value();
}

std::optional<uint32_t> TRegistry::GetDataType(const std::string& name) const {
  auto v = ReadValue(name);
  return v ? std::optional<uint32_t>(v->type) : std::nullopt;
}

int64_t TRegistry::GetDataSize(const std::string& name) const {
  auto v = ReadValue(name);
  return v ? static_cast<int64_t>(v->data.size()) : -1;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
  auto v = ReadValue(name);
  if (!v) throw ERegistryException(ErrorText("Failed to get data for '%s'", name));
  if (v->type != REG_DWORD) throw ERegistryException(ErrorText("Invalid data type for '%s'", name));
  if (v->data.size() != 4) throw ERegistryException(ErrorText("Failed to get data for '%s'", name));
  return static_cast<int32_t>(DwordValue(v->data));
}

std::string TRegistry::ReadString(const std::string& name) const {
  auto v = ReadValue(name);
  if (!v || v->data.empty()) return {};
  if (v->type != REG_SZ && v->type != REG_EXPAND_SZ)
    throw ERegistryException(ErrorText("Invalid data type for '%s'", name));
  return v->data.substr(0, v->data.find('\0'));
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  WriteValue(name, {REG_DWORD, DwordBytes(static_cast<uint32_t>(value))});
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  WriteValue(name, {REG_SZ, value + '\0'});
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
  WriteValue(name, {REG_EXPAND_SZ, value + '\0'});
}

}  // namespace lunvale::platform
