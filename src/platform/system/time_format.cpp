// SPDX-License-Identifier: MIT
#include "platform/system/time_format.h"

#include <langinfo.h>

#include <cctype>
#include <cstring>
#include <vector>

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

std::shared_ptr<const TimeFormat> TimeFormat::ForLocale(const std::string& locale_name) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  format->locale_ = newlocale(LC_TIME_MASK, locale_name.c_str(), static_cast<locale_t>(0));
  format->found_ = format->locale_ != static_cast<locale_t>(0);
  if (!format->found_) format->locale_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  if (format->locale_ == static_cast<locale_t>(0)) {
    format->pattern_ = "%H:%M";
    return format;
  }
  format->pattern_ = TimeFormatWithoutSeconds(nl_langinfo_l(T_FMT, format->locale_),
                                              nl_langinfo_l(T_FMT_AMPM, format->locale_));
  return format;
}

std::shared_ptr<const TimeFormat> TimeFormat::ForPattern(std::string pattern) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  format->locale_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  format->found_ = true;
  format->pattern_ = std::move(pattern);
  return format;
}

TimeFormat::~TimeFormat() {
  if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
}

size_t TimeFormat::Format(const std::tm& time, char* out, size_t size) const {
  if (out == nullptr || size == 0) return 0;
  out[0] = '\0';
  if (pattern_.empty()) return 0;
  const size_t n = locale_ != static_cast<locale_t>(0)
                       ? strftime_l(out, size, pattern_.c_str(), &time, locale_)
                       : strftime(out, size, pattern_.c_str(), &time);
  if (n == 0) out[0] = '\0';
  return n;
}

}  // namespace lunvale::platform
