#include "platform/registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace lunvale::platform {

namespace fs = std::filesystem;

namespace {

constexpr char kRoot[] = "HKEY_CURRENT_USER";
constexpr char kFileName[] = "HKEY_CURRENT_USER.reg";
constexpr char kHeader[] = "REGEDIT4";

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Registry names compare without regard to case; only ASCII letters fold, the other bytes are opaque.
bool IEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
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

// Parses 1..max_digits hex digits making up all of s.
std::optional<uint32_t> ParseHexNumber(std::string_view s, size_t max_digits) {
  uint32_t v = 0;
  if (s.empty() || s.size() > max_digits || s.front() == '+' || s.front() == '-') return std::nullopt;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
  return ec == std::errc() && end == s.data() + s.size() ? std::optional(v) : std::nullopt;
}

std::string ErrorText(const char* pattern, const std::string& name) {
  std::string s = pattern;
  s.replace(s.find("%s"), 2, name);
  return s;
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

bool SamePrefix(const std::vector<std::string>& a, const std::vector<std::string>& b, size_t n) {
  if (a.size() < n || b.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (!IEquals(a[i], b[i])) return false;
  return true;
}

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

class Parser {
 public:
  Parser(const fs::path& file, Document& doc) : file_(file), doc_(doc) {}

  void Run() {
    auto& lines = doc_.lines;
    if (lines.empty() || Trim(lines[0].text) != kHeader) Fail(0, "the first line is not \"REGEDIT4\"");
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

bool KeyExists(const Document& doc, const std::vector<std::string>& names) {
  return names.empty() || std::any_of(doc.sections.begin(), doc.sections.end(), [&](const Section& s) {
           return s.ours && SamePrefix(s.names, names, names.size());
         });
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
  for (const auto& s : doc.sections) {
    if (!IsKey(s, names)) continue;
    for (const auto& e : s.entries) {
      auto it = std::find_if(out.begin(), out.end(), [&](const auto& p) { return IEquals(p.first, e.name); });
      if (it == out.end())
        out.emplace_back(e.name, e.value);
      else
        it->second = e.value;
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
  Parser(file, doc).Run();
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

// Replaces the file by a complete new one, so that readers see the old or the new file, never a part.
bool Store(const fs::path& file, const Document& doc) {
  std::string bytes;
  for (const auto& l : doc.lines) bytes += l.text + l.eol;
  std::string tmp = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
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

// The data file is replaced by rename, so writers serialise on a lock file that stays in place.
class WriteLock {
 public:
  explicit WriteLock(const fs::path& file) {
    fs::path lock = file;
    lock += ".lock";
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) fd_ = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        ::close(fd_);
        fd_ = -1;
      }
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
  return Writable(file.parent_path()) && (!doc.exists || Writable(file));
}

}  // namespace

ERegistryFileError::ERegistryFileError(const fs::path& file, int line, const std::string& what)
    : ERegistryException(file.string() + ":" + std::to_string(line) + ": " + what),
      file_(file),
      line_(line) {}

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
  auto it = std::find_if(values.begin(), values.end(), [&](const auto& p) { return IEquals(p.first, name); });
  if (it == values.end())
    values.emplace_back(name, value);
  else
    it->second = value;
  values_ = std::move(values);
}

}  // namespace lunvale::platform
