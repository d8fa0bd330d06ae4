// SPDX-License-Identifier: MIT
// The settings file's text. Any bytes either parse or fail with a file error; the line model keeps
// every byte; a value written into a parsed file reads back exactly, every other key keeps its values,
// every other line stays as it was, and writing the same value again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <map>

#include "platform/system/registry_text.h"
#include "property_check.h"

using namespace lunvale::platform;
using namespace lunvale::platform::registry_text;

namespace {

using Values = std::vector<std::pair<std::string, RegValue>>;

std::string Folded(const std::vector<std::string>& names) {
  std::string s = JoinKey(names);
  for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return s;
}

std::map<std::string, Values> AllKeys(const Document& doc) {
  std::map<std::string, Values> out;
  for (const auto& s : doc.sections)
    if (s.ours) out[Folded(s.names)] = KeyValues(doc, s.names);
  return out;
}

Document Reparsed(const Document& doc) {
  Document again;
  SplitLines(JoinLines(doc), again);
  Parse("fuzz.reg", again);  // what the store writes always parses
  return again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string name = in.ConsumeRandomLengthString(16);
  const RegValue value{in.ConsumeIntegralInRange<uint32_t>(0, 12), in.ConsumeRandomLengthString(64)};
  const std::string key = in.ConsumeRandomLengthString(24);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  Document doc;
  SplitLines(bytes, doc);
  CHECK(JoinLines(doc) == bytes);
  try {
    Parse("fuzz.reg", doc);
  } catch (const ERegistryFileError&) {
    return 0;  // refused; the store never rewrites a file it refused
  }
  const auto names = SplitKey(key);
  if (!names || names->empty() || name.find_first_of("\r\n") != std::string::npos) return 0;
  const Document original = doc;
  auto keys = AllKeys(doc);
  Values& expected = keys[Folded(*names)];
  auto it =
      std::find_if(expected.begin(), expected.end(), [&](const auto& p) { return IEquals(p.first, name); });
  if (it == expected.end())
    expected.emplace_back(name, value);
  else
    it->second = value;

  CreateKey(doc, *names);
  SetValue(doc, *names, name, value);
  Document again = Reparsed(doc);
  auto after = AllKeys(again);
  // Every key holds the same values by name. Their order is not compared: a value defined in several
  // sections of one key moves to the place of its last definition when it is written, which changes
  // the order the sections read in (the bytes check below keeps the rest of the file in place).
  for (const auto& [k, values] : keys) {
    const Values& got = after[k];
    CHECK(got.size() == values.size());
    for (const auto& want : values) {
      const auto found =
          std::find_if(got.begin(), got.end(), [&](const auto& p) { return IEquals(p.first, want.first); });
      CHECK(found != got.end() && found->second == want.second);
    }
  }

  // The old bytes, but for the lines of the value's replaced definitions, are all there in their order.
  std::vector<bool> replaced(original.lines.size());
  for (const auto& s : original.sections)
    if (s.ours && Folded(s.names) == Folded(*names))
      for (const auto& e : s.entries)
        if (IEquals(e.name, name)) std::fill(replaced.begin() + e.first, replaced.begin() + e.last + 1, true);
  const std::string now = JoinLines(again);
  size_t at = 0;
  for (size_t i = 0; i < original.lines.size(); ++i) {
    if (replaced[i]) continue;
    const std::string chunk = original.lines[i].text + original.lines[i].eol;
    at = now.find(chunk, at);
    CHECK(at != std::string::npos);
    at += chunk.size();
  }

  // Writing the same value again leaves the file as it is.
  const std::string written = JoinLines(again);
  CHECK(!SetValue(again, *names, name, value));
  CHECK(JoinLines(again) == written);
  return 0;
}
