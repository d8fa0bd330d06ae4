// SPDX-License-Identifier: MIT
#pragma once

// The hive file's text: REGEDIT4 export lines parsed into keys and values, edited in place and
// formatted as the registry editor exports them. Internal to the registry; see registry.h.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system/registry.h"

namespace lunvale::platform::registry_text {

inline constexpr char kHeader[] = "REGEDIT4";

bool IEquals(std::string_view a, std::string_view b);

std::string DwordBytes(uint32_t v);
uint32_t DwordValue(const std::string& d);

std::optional<std::vector<std::string>> SplitKey(std::string_view key);
std::string JoinKey(const std::vector<std::string>& names);

struct Line {
  std::string text;
  std::string eol;  // "\n", "\r\n", or "" for a last line without one
};

struct Entry {
  std::string name;
  RegValue value;
  size_t first, last;  // line range, continuations included
};

struct Section {
  std::vector<std::string> names;  // below the root
  bool ours;                       // under HKEY_CURRENT_USER
  size_t header;
  std::vector<Entry> entries;
};

struct Document {
  bool exists = false;  // the file was there
  std::vector<Line> lines;
  std::vector<Section> sections;
  std::string eol = "\n";
};

// The file's bytes as lines with their own line ends, and back: JoinLines(SplitLines(b)) == b.
void SplitLines(const std::string& bytes, Document& doc);
std::string JoinLines(const Document& doc);

// Indexes doc.lines into doc.sections; file names the errors. Throws ERegistryFileError.
void Parse(const std::filesystem::path& file, Document& doc);

bool KeyExists(const Document& doc, const std::vector<std::string>& names);
void CreateKey(Document& doc, const std::vector<std::string>& names);
std::vector<std::pair<std::string, RegValue>> KeyValues(const Document& doc,
                                                        const std::vector<std::string>& names);
bool SetValue(Document& doc, const std::vector<std::string>& names, const std::string& name,
              const RegValue& value);

}  // namespace lunvale::platform::registry_text
