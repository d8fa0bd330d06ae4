// SPDX-License-Identifier: MIT
#include "platform/system/registry_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

namespace lunvale::platform::registry_text {

namespace fs = std::filesystem;

namespace {

constexpr char kRoot[] = "HKEY_CURRENT_USER";

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IStartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && IEquals(s.substr(0, prefix.size()), prefix);
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Parses 1..max_digits hex digits making up all of s.
std::optional<uint32_t> ParseHexNumber(std::string_view s, size_t max_digits) {
  uint32_t v = 0;
  if (s.empty() || s.size() > max_digits || s.front() == '+' || s.front() == '-') return std::nullopt;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
  return ec == std::errc() && end == s.data() + s.size() ? std::optional(v) : std::nullopt;
}

bool SamePrefix(const std::vector<std::string>& a, const std::vector<std::string>& b, size_t n) {
  if (a.size() < n || b.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (!IEquals(a[i], b[i])) return false;
  return true;
}

class Parser {
 public:
  Parser(const fs::path& file, Document& doc) : file_(file), doc_(doc) {}

  void Run() {
    auto& lines = doc_.lines;
    CheckHeader();
    if (!lines[0].eol.empty()) doc_.eol = lines[0].eol;
    for (size_t i = 1; i < lines.size(); ++i) {
      std::string_view t = Trim(lines[i].text);
      if (t.empty() || t.front() == ';') continue;
      if (t.front() == '[') {
        ParseSection(i, t);
      } else if (t.front() == '"' || t.front() == '@') {
        if (doc_.sections.empty()) Fail(i, "value outside any key");
        i = ParseValue(i, t);
      } else {
        Fail(i, "neither a key, a value nor a comment");
      }
    }
  }

 private:
  // A UTF-8 byte order mark before the header is accepted; the line keeps it, so a rewrite does too.
  // Files of the registry editor's other export format are named, so that the user knows what to change.
  void CheckHeader() {
    std::string_view first = doc_.lines.empty() ? std::string_view() : doc_.lines[0].text;
    const std::string_view bom = "\xEF\xBB\xBF";
    if (first.substr(0, bom.size()) == bom) first.remove_prefix(bom.size());
    if (Trim(first) == kHeader) return;
    constexpr std::string_view kVersion5 = "Windows Registry Editor Version 5.00";
    const std::string expected = "; expected a \"REGEDIT4\" export in 8-bit text";
    const bool utf16 = first.size() >= 2 &&
                       ((first[0] == '\xFF' && first[1] == '\xFE') ||
                        (first[0] == '\xFE' && first[1] == '\xFF') || first[0] == '\0' || first[1] == '\0');
    if (utf16) {
      std::string narrow;  // the ASCII letters of the header, enough to tell what it is
      for (char c : first.substr(0, 2 * kVersion5.size() + 2))
        if (c >= ' ' && c <= '~') narrow += c;
      std::string what = "UTF-16 text";
      if (narrow.starts_with(kVersion5)) what = "a \"Windows Registry Editor Version 5.00\" export in UTF-16";
      if (narrow.starts_with(kHeader)) what = "a \"REGEDIT4\" export in UTF-16";
      Fail(0, "the file is " + what + expected);
    }
    if (Trim(first).starts_with(kVersion5))
      Fail(0, "the file is a \"Windows Registry Editor Version 5.00\" export" + expected);
    Fail(0, "the first line is not \"REGEDIT4\"");
  }

  [[noreturn]] void Fail(size_t line, const std::string& what) {
    throw ERegistryFileError(file_, static_cast<int>(line + 1), what);
  }

  void ParseSection(size_t i, std::string_view t) {
    size_t close = t.rfind(']');
    if (close == t.npos || close != t.size() - 1) Fail(i, "key line does not end with ']'");
    std::string_view path = t.substr(1, close - 1);
    if (!path.empty() && path.front() == '-') Fail(i, "deleting keys is not supported");
    size_t slash = path.find('\\');
    std::string_view root = path.substr(0, slash);
    if (!IStartsWith(root, "HKEY_")) Fail(i, "unknown root key");
    Section s{{}, IEquals(root, kRoot), i, {}};
    if (slash != path.npos) {
      auto names = SplitKey(path.substr(slash + 1));
      if (!names || names->empty()) Fail(i, "empty key name");
      s.names = std::move(*names);
    }
    doc_.sections.push_back(std::move(s));
  }

  // Reads a quoted name or text starting at t[pos] == '"'; pos ends past the closing quote.
  std::string ParseQuoted(size_t i, std::string_view t, size_t& pos) {
    std::string out;
    for (++pos; pos < t.size(); ++pos) {
      char c = t[pos];
      if (c == '"') {
        ++pos;
        return out;
      }
      if (c == '\\') {
        if (++pos >= t.size() || (t[pos] != '\\' && t[pos] != '"')) Fail(i, "bad escape in quoted text");
        c = t[pos];
      }
      out += c;
    }
    Fail(i, "quoted text is not closed");
  }

  size_t ParseValue(size_t i, std::string_view t) {
    Entry e{{}, {}, i, i};
    size_t pos = 0;
    if (t.front() == '@')
      pos = 1;
    else
      e.name = ParseQuoted(i, t, pos);
    while (pos < t.size() && IsSpace(t[pos])) ++pos;
    if (pos >= t.size() || t[pos] != '=') Fail(i, "'=' expected after the value name");
    std::string_view data = Trim(t.substr(pos + 1));
    if (!data.empty() && data.front() == '"') {
      size_t p = 0;
      e.value = {REG_SZ, ParseQuoted(i, data, p) + '\0'};
      if (p != data.size()) Fail(i, "unexpected text after the quoted text");
    } else if (IStartsWith(data, "dword:")) {
      auto v = ParseHexNumber(data.substr(6), 8);
      if (!v) Fail(i, "dword needs 1 to 8 hex digits");
      e.value = {REG_DWORD, DwordBytes(*v)};
    } else if (IStartsWith(data, "hex:") || IStartsWith(data, "hex(")) {
      e.value.type = REG_BINARY;
      size_t colon = data.find(':');
      if (data[3] == '(') {
        std::optional<uint32_t> type;
        if (colon == data.npos || data[colon - 1] != ')' ||
            !(type = ParseHexNumber(data.substr(4, colon - 5), 8)))
          Fail(i, "bad hex(type)");
        e.value.type = *type;
      }
      e.value.data = ParseHexBytes(i, data.substr(colon + 1), e.last);
    } else if (data == "-") {
      Fail(i, "deleting values is not supported");
    } else {
      Fail(i, "unknown value data");
    }
    doc_.sections.back().entries.push_back(std::move(e));
    return doc_.sections.back().entries.back().last;
  }

  // Comma-separated bytes; a trailing backslash continues the list on the next line.
  std::string ParseHexBytes(size_t i, std::string_view text, size_t& last) {
    std::string list;
    while (true) {
      text = Trim(text);
      if (text.empty() || text.back() != '\\') {
        list += text;
        break;
      }
      list += text.substr(0, text.size() - 1);
      if (++last >= doc_.lines.size()) Fail(last - 1, "hex data continues past the end of the file");
      text = doc_.lines[last].text;
    }
    std::string out;
    size_t start = 0;
    while (start < list.size()) {
      size_t comma = list.find(',', start);
      std::string_view tok = Trim(std::string_view(list).substr(start, comma - start));
      auto v = ParseHexNumber(tok, 2);
      if (!v) Fail(i, "bad hex byte \"" + std::string(tok) + "\"");
      out += static_cast<char>(*v);
      if (comma == list.npos) break;
      start = comma + 1;
    }
    return out;
  }

  const fs::path& file_;
  Document& doc_;
};

std::string QuoteName(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

// A REG_SZ goes in quotes unless its bytes would not survive a quoted line (line breaks, inner zero
// bytes, no terminating zero); those keep their type as hex(1).
bool QuotableText(const RegValue& v) {
  return v.type == REG_SZ && !v.data.empty() && v.data.back() == '\0' &&
         v.data.find_first_of(std::string_view("\0\r\n", 3)) == v.data.size() - 1;
}

std::vector<std::string> FormatValue(const std::string& name, const RegValue& v) {
  std::string line = (name.empty() ? std::string("@") : QuoteName(name)) + "=";
  char buf[32];
  if (QuotableText(v)) return {line + QuoteName(v.data.substr(0, v.data.size() - 1))};
  if (v.type == REG_DWORD && v.data.size() == 4) {
    std::snprintf(buf, sizeof buf, "dword:%08x", DwordValue(v.data));
    return {line + buf};
  }
  if (v.type == REG_BINARY) {
    line += "hex:";
  } else {
    std::snprintf(buf, sizeof buf, "hex(%x):", v.type);
    line += buf;
  }
  // Wrapped at 80 columns with a trailing backslash, as the registry editor exports.
  std::vector<std::string> lines;
  for (size_t i = 0; i < v.data.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(v.data[i]));
    std::string tok = std::string(buf) + (i + 1 < v.data.size() ? "," : "");
    if (line.size() + tok.size() > 77 && line.back() == ',') {
      lines.push_back(line + "\\");
      line = "  ";
    }
    line += tok;
  }
  lines.push_back(line);
  return lines;
}

bool IsKey(const Section& s, const std::vector<std::string>& names) {
  return s.ours && s.names.size() == names.size() && SamePrefix(s.names, names, names.size());
}

void InsertLines(Document& doc, size_t at, const std::vector<std::string>& texts) {
  for (const auto& text : texts)
    doc.lines.insert(doc.lines.begin() + static_cast<ptrdiff_t>(at++), {text, doc.eol});
}

// The first n names spelled as the file already has them.
std::vector<std::string> Spelled(const Document& doc, const std::vector<std::string>& names, size_t n) {
  std::vector<std::string> out(names.begin(), names.begin() + static_cast<ptrdiff_t>(n));
  for (size_t i = 0; i < n; ++i)
    for (const auto& s : doc.sections)
      if (s.ours && SamePrefix(s.names, out, i + 1)) {
        out[i] = s.names[i];
        break;
      }
  return out;
}

void AppendSection(Document& doc, std::vector<std::string> names) {
  auto& lines = doc.lines;
  if (lines.back().eol.empty()) lines.back().eol = doc.eol;
  if (!Trim(lines.back().text).empty()) lines.push_back({"", doc.eol});
  lines.push_back({std::string("[") + kRoot + (names.empty() ? "" : "\\") + JoinKey(names) + "]", doc.eol});
  doc.sections.push_back({std::move(names), true, lines.size() - 1, {}});
  lines.push_back({"", doc.eol});
}

}  // namespace

// Registry names compare without regard to case; only ASCII letters fold, the other bytes are opaque.
bool IEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// REG_DWORD data is 4 bytes, little-endian.
std::string DwordBytes(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}

uint32_t DwordValue(const std::string& d) {
  uint32_t v = 0;
  for (int b = 3; b >= 0; --b) v = v << 8 | static_cast<unsigned char>(d[b]);
  return v;
}

// Splits a key path into its names; nullopt when a name is empty or would break the file's lines.
std::optional<std::vector<std::string>> SplitKey(std::string_view key) {
  if (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  std::vector<std::string> names;
  if (key.empty()) return names;
  size_t start = 0;
  while (true) {
    size_t end = key.find('\\', start);
    std::string_view name = key.substr(start, end == std::string_view::npos ? key.npos : end - start);
    if (name.empty() || name.find_first_of("\r\n") != name.npos) return std::nullopt;
    names.emplace_back(name);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return names;
}

std::string JoinKey(const std::vector<std::string>& names) {
  std::string s;
  for (const auto& n : names) s += (s.empty() ? "" : "\\") + n;
  return s;
}

void SplitLines(const std::string& bytes, Document& doc) {
  size_t start = 0;
  while (start < bytes.size()) {
    size_t nl = bytes.find('\n', start);
    if (nl == bytes.npos) {
      doc.lines.push_back({bytes.substr(start), ""});
      break;
    }
    bool cr = nl > start && bytes[nl - 1] == '\r';
    doc.lines.push_back({bytes.substr(start, nl - start - cr), cr ? "\r\n" : "\n"});
    start = nl + 1;
  }
}

std::string JoinLines(const Document& doc) {
  std::string bytes;
  for (const auto& l : doc.lines) bytes += l.text + l.eol;
  return bytes;
}

void Parse(const fs::path& file, Document& doc) {
  Parser(file, doc).Run();
}

bool KeyExists(const Document& doc, const std::vector<std::string>& names) {
  return names.empty() || std::any_of(doc.sections.begin(), doc.sections.end(), [&](const Section& s) {
           return s.ours && SamePrefix(s.names, names, names.size());
         });
}

// Creates the key and the parents it lacks, each with its own section as the registry editor
// exports them. Sections go at the end of the file so that nothing else moves.
void CreateKey(Document& doc, const std::vector<std::string>& names) {
  for (size_t n = 1; n <= names.size(); ++n) {
    std::vector<std::string> prefix(names.begin(), names.begin() + static_cast<ptrdiff_t>(n));
    if (!KeyExists(doc, prefix)) AppendSection(doc, Spelled(doc, names, n));
  }
}

// A value listed twice in a key reads as its last definition, as an import would take it.
std::vector<std::pair<std::string, RegValue>> KeyValues(const Document& doc,
                                                        const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, RegValue>> out;
  std::unordered_map<std::string, size_t> index;  // folded name -> place in out: linear in the key
  for (const auto& s : doc.sections) {
    if (!IsKey(s, names)) continue;
    for (const auto& e : s.entries) {
      std::string folded = e.name;
      for (char& c : folded) c = Lower(c);
      auto [it, added] = index.emplace(std::move(folded), out.size());
      if (added)
        out.emplace_back(e.name, e.value);
      else
        out[it->second].second = e.value;
    }
  }
  return out;
}

// Puts the value in place of its last definition (dropping earlier ones) or at the end of the key's
// last section. Returns false when the file already holds exactly this. Leaves doc's index stale.
bool SetValue(Document& doc, const std::vector<std::string>& names, const std::string& name,
              const RegValue& value) {
  std::vector<const Entry*> found;
  const Section* home = nullptr;
  for (const auto& s : doc.sections) {
    if (!IsKey(s, names)) continue;
    home = &s;
    for (const auto& e : s.entries)
      if (IEquals(e.name, name)) found.push_back(&e);
  }
  auto& lines = doc.lines;
  if (found.empty()) {
    if (!home) {
      AppendSection(doc, Spelled(doc, names, names.size()));
      home = &doc.sections.back();
    }
    size_t at = home->entries.empty() ? home->header + 1 : home->entries.back().last + 1;
    if (at == lines.size() && lines.back().eol.empty()) lines.back().eol = doc.eol;
    InsertLines(doc, at, FormatValue(name, value));
    return true;
  }
  if (found.size() == 1 && found.back()->value == value) return false;
  std::sort(found.begin(), found.end(), [](const Entry* a, const Entry* b) { return a->first > b->first; });
  for (const Entry* e : found) {
    std::string eol = lines[e->last].eol;
    lines.erase(lines.begin() + static_cast<ptrdiff_t>(e->first),
                lines.begin() + static_cast<ptrdiff_t>(e->last + 1));
    if (e != found.front()) continue;
    auto texts = FormatValue(e->name, value);
    InsertLines(doc, e->first, texts);
    lines[e->first + texts.size() - 1].eol = eol;
  }
  return true;
}

}  // namespace lunvale::platform::registry_text
