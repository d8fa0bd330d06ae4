// SPDX-License-Identifier: MIT
#include "host/xscreensaver_list.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lunvale::host {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

bool Continued(const std::string& line) {
  return !line.empty() && line.back() == '\\';
}

size_t SkipBlanks(const std::string& s, size_t i) {
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

// The lines [first, last) of the `programs:` resource (`*programs:` in app-defaults), or nothing.
struct Block {
  size_t first = 0, last = 0;
};

bool FindList(const std::vector<std::string>& lines, std::string_view key, Block& block) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t at = SkipBlanks(lines[i], 0);
    if (lines[i].compare(at, key.size(), key) != 0) continue;
    const size_t colon = SkipBlanks(lines[i], at + key.size());
    if (colon >= lines[i].size() || lines[i][colon] != ':') continue;
    block.first = i;
    size_t end = i;
    while (end < lines.size() && Continued(lines[end])) ++end;
    block.last = std::min(end + 1, lines.size());
    return true;
  }
  return false;
}

// An entry is `[-] ["label"] [visual:] command args \n`; the first word of the command names the hack.
bool RunsTheSaver(const std::string& line, size_t from) {
  size_t i = SkipBlanks(line, from);
  if (i < line.size() && line[i] == '-') i = SkipBlanks(line, i + 1);
  if (i < line.size() && line[i] == '"') {
    const size_t close = line.find('"', i + 1);
    if (close == std::string::npos) return false;
    i = SkipBlanks(line, close + 1);
  }
  size_t word_end = line.find_first_of(" \t\\", i);
  if (word_end == std::string::npos) word_end = line.size();
  if (word_end > i && line[word_end - 1] == ':') {  // a visual, such as GL:
    i = SkipBlanks(line, word_end);
    word_end = line.find_first_of(" \t\\", i);
    if (word_end == std::string::npos) word_end = line.size();
  }
  std::string word = line.substr(i, word_end - i);
  const size_t slash = word.rfind('/');
  if (slash != std::string::npos) word.erase(0, slash + 1);
  return word == "lunvale";
}

// Where an entry's text starts on a line of the block: after the key on the block's first line.
size_t EntryStart(const std::vector<std::string>& lines, const Block& block, size_t i) {
  return i == block.first ? lines[i].find(':') + 1 : 0;
}

Block RequireList(const std::vector<std::string>& lines) {
  Block block;
  if (!FindList(lines, "programs", block)) throw std::runtime_error("there is no \"programs:\" list in it");
  return block;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Replaces `path` with `text` through a temporary file in the same folder, keeping the file's mode and
// a copy of the old file as <path>.bak. A symbolic link is followed, so a linked file stays linked.
void ReplaceFile(const std::string& path, const std::string& text, bool keep_backup) {
  std::error_code ec;
  const std::string target = fs::is_symlink(path, ec) ? fs::canonical(path).string() : path;
  if (keep_backup) {
    fs::copy_file(target, path + ".bak", fs::copy_options::overwrite_existing, ec);
    if (ec) throw std::runtime_error("Cannot keep the old file as " + path + ".bak: " + ec.message());
  }
  const std::string temporary = target + ".lunvale-new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      fs::remove(temporary, ec);
      throw std::runtime_error("Cannot write " + temporary);
    }
  }
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::chmod(temporary.c_str(), old.st_mode & 07777);
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    fs::remove(temporary, ec);
    throw std::runtime_error("Cannot replace " + target);
  }
}

constexpr const char* kPickIt = "Pick \"Lunvale\" in xscreensaver-settings to run it.\n";

}  // namespace

std::vector<std::string> XScreenSaverDefaultsFiles() {
  return {"/etc/X11/app-defaults/XScreenSaver", "/usr/share/X11/app-defaults/XScreenSaver",
          "/usr/lib/X11/app-defaults/XScreenSaver"};
}

std::string AddToProgramsList(std::string_view init_file, bool& changed) {
  std::vector<std::string> lines = SplitLines(init_file);
  const Block block = RequireList(lines);
  changed = false;
  for (size_t i = block.first; i < block.last; ++i)
    if (RunsTheSaver(lines[i], EntryStart(lines, block, i))) return std::string(init_file);
  std::string& key_line = lines[block.first];
  std::string entry = "\t\t\t\t" + std::string(kXScreenSaverCommand) + "\t\t\t\t    \\n";
  if (Continued(key_line)) {
    entry += '\\';  // the list goes on below
  } else {
    // The whole list sits on the key's line: that line now goes on to the saver's.
    const bool empty = key_line.find_first_not_of(" \t", key_line.find(':') + 1) == std::string::npos;
    key_line += empty ? " \\" : " \\n\\";
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(block.first) + 1, entry);
  changed = true;
  return JoinLines(lines);
}

std::string RemoveFromProgramsList(std::string_view init_file, bool& changed) {
  std::vector<std::string> lines = SplitLines(init_file);
  const Block block = RequireList(lines);
  changed = false;
  for (size_t i = block.last; i-- > block.first + 1;) {
    if (!RunsTheSaver(lines[i], 0)) continue;
    // The last line of the list carries no continuation: the line before becomes the last one.
    if (!Continued(lines[i]) && Continued(lines[i - 1])) lines[i - 1].pop_back();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    changed = true;
  }
  std::string& key_line = lines[block.first];
  if (RunsTheSaver(key_line, EntryStart(lines, block, block.first))) {
    key_line = key_line.substr(0, key_line.find(':') + 1) + (Continued(key_line) ? "\t\\" : "");
    changed = true;
  }
  return changed ? JoinLines(lines) : std::string(init_file);
}

std::string InitFileFromDefaults(std::string_view app_defaults) {
  const std::vector<std::string> lines = SplitLines(app_defaults);
  Block block;
  if (!FindList(lines, "*programs", block)) throw std::runtime_error("there is no \"*programs:\" list in it");
  std::vector<std::string> list(lines.begin() + static_cast<std::ptrdiff_t>(block.first),
                                lines.begin() + static_cast<std::ptrdiff_t>(block.last));
  list.front().erase(list.front().find('*'), 1);
  return "# XScreenSaver Preferences File\n"
         "# Made from the system's defaults by lunvale --add-to-xscreensaver; every setting not\n"
         "# written here keeps its default.\n\n" +
         JoinLines(list);
}

void AddToXScreenSaver(const std::string& path, const std::vector<std::string>& defaults, std::ostream& out) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    for (const std::string& source : defaults) {
      if (!fs::is_regular_file(source, ec)) continue;
      std::string text;
      try {
        text = InitFileFromDefaults(ReadWhole(source));
      } catch (const std::runtime_error& e) {
        throw std::runtime_error("Cannot use " + source + ": " + e.what());
      }
      bool changed = false;
      ReplaceFile(path, AddToProgramsList(text, changed), false);
      out << "Made " << path << " from XScreenSaver's defaults (" << source << ") with \""
          << kXScreenSaverCommand << "\" at the head of its list of screen savers.\n"
          << kPickIt;
      return;
    }
    throw std::runtime_error("Neither " + path + " nor XScreenSaver's defaults (" + defaults.front() +
                             ") exist: is XScreenSaver installed?");
  }
  const std::string old = ReadWhole(path);
  bool changed = false;
  std::string text;
  try {
    text = AddToProgramsList(old, changed);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error("Cannot add the saver to " + path + ": " + e.what());
  }
  if (!changed) {
    out << "\"lunvale\" is already in the list of screen savers in " << path << "; nothing changed.\n";
    return;
  }
  ReplaceFile(path, text, true);
  out << "Added \"" << kXScreenSaverCommand << "\" to the list of screen savers in " << path
      << " (the old file is " << path << ".bak).\n"
      << kPickIt;
}

void RemoveFromXScreenSaver(const std::string& path, std::ostream& out) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    out << path << " does not exist; nothing changed.\n";
    return;
  }
  const std::string old = ReadWhole(path);
  bool changed = false;
  std::string text;
  try {
    text = RemoveFromProgramsList(old, changed);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error("Cannot remove the saver from " + path + ": " + e.what());
  }
  if (!changed) {
    out << "\"lunvale\" is not in the list of screen savers in " << path << "; nothing changed.\n";
    return;
  }
  ReplaceFile(path, text, true);
  out << "Removed \"lunvale\" from the list of screen savers in " << path << " (the old file is " << path
      << ".bak).\n";
}

std::string UserInitFile() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') throw std::runtime_error("HOME is not set");
  return std::string(home) + "/.xscreensaver";
}

}  // namespace lunvale::host
