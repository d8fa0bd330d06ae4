// SPDX-License-Identifier: MIT
#include "platform/system/time_pattern.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "platform/system/time_format.h"

namespace lunvale::platform {

namespace {

struct Token {
  bool conversion = false;
  std::string text;  // the literal, or the whole conversion ("%-I")
  char letter = 0;   // the conversion's letter
};

// Splits a pattern into literals and conversions (flags, width and an E or O modifier included).
void Tokenize(std::string_view pattern, std::vector<Token>& out) {
  size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] != '%' || i + 1 >= pattern.size()) {
      if (out.empty() || out.back().conversion) out.push_back({});
      out.back().text += pattern[i++];
      continue;
    }
    if (pattern[i + 1] == '%') {  // a literal percent sign stays as written
      if (out.empty() || out.back().conversion) out.push_back({});
      out.back().text += "%%";
      i += 2;
      continue;
    }
    size_t j = i + 1;
    while (j < pattern.size() && std::strchr("_-0^#", pattern[j]) != nullptr) ++j;
    while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') ++j;
    if (j < pattern.size() && (pattern[j] == 'E' || pattern[j] == 'O')) ++j;
    if (j >= pattern.size()) {  // a cut-off conversion is kept as text
      if (out.empty() || out.back().conversion) out.push_back({});
      out.back().text.append(pattern.substr(i));
      break;
    }
    out.push_back({true, std::string(pattern.substr(i, j + 1 - i)), pattern[j]});
    i = j + 1;
  }
}

// Tokenizes with the composite conversions spelt out, so that their seconds can be found.
void Expand(std::string_view pattern, std::string_view ampm, int depth, std::vector<Token>& out) {
  std::vector<Token> tokens;
  Tokenize(pattern, tokens);
  for (Token& t : tokens) {
    std::string_view inner;
    if (t.conversion && depth < 4) {
      switch (t.letter) {
        case 'T':
        case 'X':
          inner = "%H:%M:%S";
          break;
        case 'R':
          inner = "%H:%M";
          break;
        case 'r':
          inner = ampm.empty() ? std::string_view("%I:%M:%S %p") : ampm;
          break;
        default:
          break;
      }
    }
    if (inner.empty())
      out.push_back(std::move(t));
    else
      Expand(inner, ampm, depth + 1, out);
  }
}

bool IsSeparator(const std::string& text) {
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || (u != ' ' && std::ispunct(u) == 0)) return false;
  }
  return !text.empty();
}

// Appends to a fixed buffer, always leaving room for the NUL; `full` once something did not fit.
struct Writer {
  char* out;
  std::size_t size;
  std::size_t length = 0;
  bool full = false;

  void Put(char c) {
    if (length + 1 >= size) {
      full = true;
      return;
    }
    out[length++] = c;
  }
  void Put(std::string_view text) {
    for (const char c : text) Put(c);
  }
  void Pad(std::size_t count, char pad) {
    for (std::size_t i = 0; i < count; ++i) Put(pad);
  }
};

struct Conversion {
  char pad = 0;  // 0: the conversion's own
  bool upper = false;
  bool swap_case = false;
  std::size_t width = 0;
  bool has_width = false;
};

void Number(Writer& w, const Conversion& c, long value, std::size_t digits, char own_pad) {
  char text[24];
  std::size_t n = 0;
  const bool negative = value < 0;
  unsigned long magnitude =
      negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    text[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const char pad = c.pad == '-' ? (c.has_width ? ' ' : 0) : c.pad != 0 ? c.pad : own_pad;
  const std::size_t wanted = c.has_width ? c.width : digits;
  const std::size_t shown = n + (negative ? 1 : 0);
  if (pad == '0' && negative) w.Put('-');
  if (pad != 0 && wanted > shown) w.Pad(wanted - shown, pad);
  if (pad != '0' && negative) w.Put('-');
  while (n > 0) w.Put(text[--n]);
}

void Text(Writer& w, const Conversion& c, std::string_view text, bool lower) {
  if (c.has_width && c.width > text.size()) w.Pad(c.width - text.size(), c.pad == '0' ? '0' : ' ');
  for (const char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    if (c.upper)
      w.Put(static_cast<char>(std::toupper(u)));
    else if (c.swap_case || lower)
      w.Put(static_cast<char>(std::tolower(u)));
    else
      w.Put(ch);
  }
}

int Hour12(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

void Format(Writer& w, std::string_view pattern, const std::tm& t, std::string_view am, std::string_view pm,
            int depth) {
  for (std::size_t i = 0; i < pattern.size() && !w.full; ++i) {
    if (pattern[i] != '%' || i + 1 >= pattern.size()) {
      w.Put(pattern[i]);
      continue;
    }
    const std::size_t start = i;
    Conversion c;
    std::size_t j = i + 1;
    for (; j < pattern.size() && std::strchr("_-0^#", pattern[j]) != nullptr; ++j) {
      if (pattern[j] == '^')
        c.upper = true;
      else if (pattern[j] == '#')
        c.swap_case = true;
      else
        c.pad = pattern[j] == '_' ? ' ' : pattern[j];
    }
    for (; j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9'; ++j) {
      c.has_width = true;
      c.width = std::min<std::size_t>(c.width * 10 + static_cast<std::size_t>(pattern[j] - '0'), 256);
    }
    if (j < pattern.size() && (pattern[j] == 'E' || pattern[j] == 'O')) ++j;
    if (j >= pattern.size()) {  // cut off: written as it stands
      w.Put(pattern.substr(start));
      return;
    }
    i = j;
    const std::string_view designator = t.tm_hour >= 12 ? pm : am;
    std::string_view inner;
    switch (pattern[j]) {
      case 'H':
        Number(w, c, t.tm_hour, 2, '0');
        break;
      case 'I':
        Number(w, c, Hour12(t.tm_hour), 2, '0');
        break;
      case 'k':
        Number(w, c, t.tm_hour, 2, ' ');
        break;
      case 'l':
        Number(w, c, Hour12(t.tm_hour), 2, ' ');
        break;
      case 'M':
        Number(w, c, t.tm_min, 2, '0');
        break;
      case 'S':
        Number(w, c, t.tm_sec, 2, '0');
        break;
      case 'y':
        Number(w, c, ((t.tm_year + 1900) % 100 + 100) % 100, 2, '0');
        break;
      case 'Y':
        Number(w, c, t.tm_year + 1900L, 1, '0');
        break;
      case 'm':
        Number(w, c, t.tm_mon + 1, 2, '0');
        break;
      case 'd':
        Number(w, c, t.tm_mday, 2, '0');
        break;
      case 'e':
        Number(w, c, t.tm_mday, 2, ' ');
        break;
      case 'p':
        Text(w, c, designator, false);
        break;
      case 'P':
        Text(w, c, designator, true);
        break;
      case 'n':
        w.Put('\n');
        break;
      case 't':
        w.Put('\t');
        break;
      case '%':
        Text(w, c, "%", false);
        break;
      case 'R':
        inner = "%H:%M";
        break;
      case 'T':
      case 'X':
        inner = "%H:%M:%S";
        break;
      case 'r':
        inner = "%I:%M:%S %p";
        break;
      case 'D':
        inner = "%m/%d/%y";
        break;
      case 'F':
        inner = "%Y-%m-%d";
        break;
      default:
        w.Put(pattern.substr(start, j + 1 - start));
        break;
    }
    if (!inner.empty() && depth < 2) Format(w, inner, t, am, pm, depth + 1);
  }
}

}  // namespace

std::string TimeFormatWithoutSeconds(std::string_view pattern, std::string_view ampm_pattern) {
  std::vector<Token> tokens;
  Expand(pattern, ampm_pattern, 0, tokens);
  for (size_t i = 0; i < tokens.size();) {
    if (!tokens[i].conversion || tokens[i].letter != 'S') {
      ++i;
      continue;
    }
    const bool separator_before = i > 0 && !tokens[i - 1].conversion && IsSeparator(tokens[i - 1].text);
    const bool word_after = i + 1 < tokens.size() && !tokens[i + 1].conversion;
    if (separator_before) {
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i - 1),
                   tokens.begin() + static_cast<std::ptrdiff_t>(i + 1));
      --i;
    } else if (word_after) {
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                   tokens.begin() + static_cast<std::ptrdiff_t>(i + 2));
    } else {
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  std::string out;
  for (const Token& t : tokens) out += t.text;
  const size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') + 1 - first);
}

std::string PatternFromTimePicture(std::string_view picture) {
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      std::size_t end = i + 1;
      for (; end < picture.size(); ++end) {
        if (picture[end] != '\'') {
          out += picture[end] == '%' ? std::string_view("%%") : picture.substr(end, 1);
        } else if (end + 1 < picture.size() && picture[end + 1] == '\'') {
          out += '\'';
          ++end;
        } else {
          break;
        }
      }
      if (end == i + 1 && end < picture.size()) out += '\'';  // '' outside a quote
      i = end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    const bool one = run == 1;
    switch (c) {
      case 'h':
        out += one ? "%-I" : "%I";
        break;
      case 'H':
        out += one ? "%-H" : "%H";
        break;
      case 'm':
        out += one ? "%-M" : "%M";
        break;
      case 's':
        out += one ? "%-S" : "%S";
        break;
      case 't':
        out += "%p";
        break;
      case '%':
        out.append(run * 2, '%');
        break;
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

std::size_t FormatTimePattern(std::string_view pattern, const std::tm& time, std::string_view am,
                              std::string_view pm, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return 0;
  Writer w{out, size};
  Format(w, pattern, time, am, pm, 0);
  if (w.full) w.length = 0;
  out[w.length] = '\0';
  return w.length;
}

}  // namespace lunvale::platform
