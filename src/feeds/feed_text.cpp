// SPDX-License-Identifier: MIT
#include "feeds/feed_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <optional>

#include "feeds/entity_table.h"
#include "platform/text/code_page.h"

namespace lunvale::feeds {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// The longest HTML5 name ("CounterClockwiseContourIntegral") has 31 letters.
constexpr std::size_t kMaxName = 32;

bool IsAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view Named(std::string_view name) {
  const auto* begin = std::begin(generated::kNamedEntities);
  const auto* end = std::end(generated::kNamedEntities);
  const auto* it = std::lower_bound(
      begin, end, name,
      [](const generated::NamedEntity& e, std::string_view n) { return generated::NameOf(e) < n; });
  return it != end && generated::NameOf(*it) == name ? generated::TextOf(*it) : std::string_view();
}

// "&#N;" or "&#xH;" at the start of `text` (which starts with "&#"): appends the character and
// returns the length of the reference, or 0 when it is none.
std::size_t Numeric(std::string_view text, std::string& out) {
  std::size_t i = 2;
  int base = 10;
  if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  }
  const std::size_t first = i;
  uint64_t value = 0;
  bool too_large = false;  // leading zeros do not count
  for (int d; i < text.size() && (d = DigitValue(text[i], base)) >= 0; ++i) {
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (value > 0x10FFFF) too_large = true, value = 0x110000;
  }
  if (i == first || i >= text.size() || text[i] != ';') return 0;
  if (value >= 0x80 && value < 0xA0) {
    out += platform::AnsiToUtf8(std::string(1, static_cast<char>(value)));
  } else if (too_large || value == 0 || (value >= 0xD800 && value < 0xE000)) {
    platform::AppendUtf8(out, kReplacement);
  } else {
    platform::AppendUtf8(out, static_cast<char32_t>(value));
  }
  return i + 1;
}

// The reference at the start of `text` (which starts with "&"), appended; its length, or 0.
std::size_t Reference(std::string_view text, std::string& out) {
  if (text.size() > 1 && text[1] == '#') return Numeric(text, out);
  std::size_t i = 1;
  while (i < text.size() && i <= kMaxName && IsAlnum(text[i])) ++i;
  if (i == 1 || i >= text.size() || text[i] != ';') return 0;
  const std::string_view replacement = Named(text.substr(1, i - 1));
  if (replacement.empty()) return 0;
  out += replacement;
  return i + 1;
}

void AppendDecoded(std::string_view text, std::string& out) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t amp = text.find('&', pos);
    out.append(text.substr(pos, amp == std::string_view::npos ? std::string_view::npos : amp - pos));
    if (amp == std::string_view::npos) return;
    const std::size_t length = Reference(text.substr(amp), out);
    if (length == 0) out += '&';
    pos = amp + std::max<std::size_t>(length, 1);
  }
}

// Where the markup starting at `text`'s "<" ends (just after it), and whether it is a CDATA section,
// whose text starts 9 bytes in and ends 3 before. A tag's attribute values may hold ">" between their
// quotes. Markup that does not end runs to the end of the text.
std::size_t MarkupEnd(std::string_view text, bool& cdata) {
  cdata = text.starts_with("<![CDATA[");
  std::string_view close = cdata                      ? "]]>"
                           : text.starts_with("<!--") ? "-->"
                           : text.starts_with("<?")   ? "?>"
                                                      : "";
  if (!close.empty()) {
    const std::size_t at = text.find(close, cdata ? 9 : 2);
    return at == std::string_view::npos ? text.size() : at + close.size();
  }
  char quote = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (quote != 0) {
      if (text[i] == quote) quote = 0;
    } else if (text[i] == '"' || text[i] == '\'') {
      quote = text[i];
    } else if (text[i] == '>') {
      return i + 1;
    }
  }
  return text.size();
}

// The length of the UTF-8 sequence a lead byte announces; 0 for a byte that leads none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// `bytes` with its valid UTF-8 sequences kept and every other byte given to `other`, which appends
// what stands for it.
template <typename Other>
std::string KeepUtf8(std::string_view bytes, Other other) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80 ? 1 : SequenceLength(lead);
    if (length > 0 && i + length <= bytes.size() && platform::IsValidUtf8(bytes.substr(i, length))) {
      out.append(bytes.substr(i, length));
      i += length;
    } else {
      other(bytes.substr(i, 1), out);
      ++i;
    }
  }
  return out;
}

// The encoding a document says it is in: "utf-16" for a UTF-16 byte order mark, else the one its XML
// declaration names, lower-cased; empty when it says none.
std::string DeclaredEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return "utf-16";
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (!bytes.starts_with("<?xml")) return "";
  const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
  std::size_t at = declaration.find("encoding");
  if (at == std::string_view::npos) return "";
  at = declaration.find_first_not_of(" \t\r\n", at + 8);
  if (at == std::string_view::npos || declaration[at] != '=') return "";
  at = declaration.find_first_not_of(" \t\r\n", at + 1);
  if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\'')) return "";
  const std::size_t end = declaration.find(declaration[at], at + 1);
  if (end == std::string_view::npos || end - at > 40) return "";
  std::string name(declaration.substr(at + 1, end - at - 1));
  // An encoding's name is a letter and then letters, digits, ".", "_" and "-"; anything else names none.
  const auto in_name = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-';
  };
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0])) ||
      !std::all_of(name.begin(), name.end(), in_name))
    return "";
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  // A declaration read as single bytes is not in an encoding of wider units, whatever it says.
  if (name.starts_with("utf-16") || name.starts_with("utf-32") || name.starts_with("ucs")) return "";
  return name;
}

}  // namespace

std::string FeedBytesToUtf8(std::string_view bytes) {
  // A document that is valid UTF-8 is read as such whatever it says, as publishers who declare another
  // encoding and send UTF-8 are many, and text in another encoding is hardly ever valid UTF-8.
  const std::string encoding = DeclaredEncoding(bytes);
  if (encoding != "utf-16" && platform::IsValidUtf8(bytes)) return std::string(bytes);
  constexpr std::string_view kReadHere[] = {"",           "utf-8",  "utf8",         "us-ascii", "ascii",
                                            "iso-8859-1", "latin1", "windows-1252", "cp1252"};
  if (std::find(std::begin(kReadHere), std::end(kReadHere), encoding) == std::end(kReadHere))
    if (std::optional<std::string> converted = platform::ToUtf8(bytes, encoding))
      return *std::move(converted);
  return KeepUtf8(bytes, [](std::string_view byte, std::string& to) { to += platform::AnsiToUtf8(byte); });
}

std::string DecodeReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendDecoded(text, out);
  return out;
}

std::string TextContent(std::string_view inner) {
  std::string out;
  out.reserve(inner.size());
  for (std::size_t pos = 0; pos < inner.size();) {
    const std::size_t lt = inner.find('<', pos);
    AppendDecoded(inner.substr(pos, lt == std::string_view::npos ? std::string_view::npos : lt - pos), out);
    if (lt == std::string_view::npos) break;
    bool cdata = false;
    const std::size_t end = lt + MarkupEnd(inner.substr(lt), cdata);
    if (cdata) {
      // A section cut off by the end of the text keeps what it has.
      std::string_view section = inner.substr(lt + 9, end - lt - 9);
      if (section.ends_with("]]>")) section.remove_suffix(3);
      AppendDecoded(section, out);
    }
    pos = end;
  }
  return out;
}

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (c < 32 || c == 127) {
      out += ' ';
    } else if (c == 0xC2 && next >= 0x80 && next <= 0xA0) {
      out += ' ';  // C1 controls and the no-break space
      ++i;
    } else if (text.substr(i, 3) == "\xE2\x80\x99") {
      out += '\'';
      i += 2;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace lunvale::feeds
