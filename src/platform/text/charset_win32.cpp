// SPDX-License-Identifier: MIT
// Character sets on Windows: the labels documents use, mapped to Windows' code pages and converted with
// MultiByteToWideChar. UTF-16 is converted here, as MultiByteToWideChar does not take it. As with
// iconv elsewhere, a byte that begins no character becomes U+FFFD and conversion goes on after it.
#include "platform/text/code_page.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

namespace {

constexpr unsigned kUtf16Either = 1;  // not a code page: byte order by the mark, big-endian without
constexpr unsigned kUtf16Le = 1200;
constexpr unsigned kUtf16Be = 1201;

struct Label {
  std::string_view name;  // lower case, without "-", "_", ".", " " and ":"
  unsigned code_page;
};

// Sorted by name.
constexpr Label kLabels[] = {
    {"ascii", 20127},      {"big5", 950},         {"cp1250", 1250},      {"cp1251", 1251},
    {"cp1252", 1252},      {"cp1253", 1253},      {"cp1254", 1254},      {"cp1255", 1255},
    {"cp1256", 1256},      {"cp1257", 1257},      {"cp1258", 1258},      {"cp437", 437},
    {"cp850", 850},        {"cp866", 866},        {"cp874", 874},        {"cp932", 932},
    {"cp936", 936},        {"cp949", 949},        {"cp950", 950},        {"csbig5", 950},
    {"cseuckr", 949},      {"csgb2312", 936},     {"csiso88591", 28591}, {"cskoi8r", 20866},
    {"csshiftjis", 932},   {"eucjp", 20932},      {"euckr", 949},        {"gb18030", 54936},
    {"gb2312", 936},       {"gbk", 936},          {"ibm437", 437},       {"ibm850", 850},
    {"ibm866", 866},       {"iso88591", 28591},   {"iso885911", 874},    {"iso885913", 28603},
    {"iso885915", 28605},  {"iso88592", 28592},   {"iso88593", 28593},   {"iso88594", 28594},
    {"iso88595", 28595},   {"iso88596", 28596},   {"iso88597", 28597},   {"iso88598", 28598},
    {"iso88599", 28599},   {"koi8r", 20866},      {"koi8u", 21866},      {"kscs56011987", 949},
    {"l1", 28591},         {"l2", 28592},         {"l3", 28593},         {"l4", 28594},
    {"l5", 28599},         {"latin1", 28591},     {"latin2", 28592},     {"latin3", 28593},
    {"latin4", 28594},     {"latin5", 28599},     {"latin9", 28605},     {"mac", 10000},
    {"macintosh", 10000},  {"mskanji", 932},      {"shiftjis", 932},     {"sjis", 932},
    {"tis620", 874},       {"uhc", 949},          {"usascii", 20127},    {"utf16", kUtf16Either},
    {"utf16be", kUtf16Be}, {"utf16le", kUtf16Le}, {"utf8", CP_UTF8},     {"windows1250", 1250},
    {"windows1251", 1251}, {"windows1252", 1252}, {"windows1253", 1253}, {"windows1254", 1254},
    {"windows1255", 1255}, {"windows1256", 1256}, {"windows1257", 1257}, {"windows1258", 1258},
    {"windows31j", 932},   {"windows874", 874},   {"windows936", 936},   {"xgbk", 936},
    {"xmacroman", 10000},  {"xsjis", 932},
};

static_assert(std::is_sorted(std::begin(kLabels), std::end(kLabels),
                             [](const Label& a, const Label& b) { return a.name < b.name; }));

// 0 for a label that names no set Windows converts.
unsigned CodePage(std::string_view charset) {
  std::string key;
  for (const char c : charset) {
    if (c == '-' || c == '_' || c == '.' || c == ' ' || c == ':') continue;
    key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  const auto* it = std::lower_bound(std::begin(kLabels), std::end(kLabels), key,
                                    [](const Label& l, const std::string& k) { return l.name < k; });
  if (it == std::end(kLabels) || it->name != key) return 0;
  if (it->code_page == kUtf16Either || it->code_page == kUtf16Le || it->code_page == kUtf16Be)
    return it->code_page;
  if (::IsValidCodePage(it->code_page)) return it->code_page;
  // Where GB18030 is missing, GBK reads all but its four-byte characters.
  return it->code_page == 54936 && ::IsValidCodePage(936) ? 936 : 0;
}

void AppendWide(std::string& out, const wchar_t* wide, int length) {
  if (length <= 0) return;
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(size));
  ::WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data() + at, size, nullptr, nullptr);
}

// UTF-16 units to UTF-8; a lone surrogate or an odd last byte becomes U+FFFD.
std::string FromUtf16(std::string_view bytes, bool big_endian) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) -> char16_t {
    return static_cast<char16_t>(big_endian ? (p[2 * i] << 8) | p[2 * i + 1]
                                            : p[2 * i] | (p[2 * i + 1] << 8));
  };
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u < 0xE000) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, u);
    }
  }
  if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);
  return out;
}

// Converts the characters one by one: each is the shortest run of up to four bytes the code page
// takes as a whole character; a byte that starts none becomes U+FFFD.
std::string FromCodePageByCharacter(std::string_view bytes, unsigned code_page) {
  std::string out;
  wchar_t wide[4];
  for (std::size_t i = 0; i < bytes.size();) {
    int taken = 0;
    for (int n = 1; n <= 4 && i + n <= bytes.size() && taken == 0; ++n) {
      const int length = ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data() + i, n, wide, 4);
      if (length > 0) {
        AppendWide(out, wide, length);
        taken = n;
      }
    }
    if (taken == 0) {
      AppendUtf8(out, 0xFFFD);
      taken = 1;
    }
    i += static_cast<std::size_t>(taken);
  }
  return out;
}

std::string FromCodePage(std::string_view bytes, unsigned code_page) {
  if (bytes.empty()) return {};
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX / 2))
    return FromCodePageByCharacter(bytes, code_page);
  const int length = static_cast<int>(bytes.size());
  const int wide_length =
      ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (wide_length <= 0) return FromCodePageByCharacter(bytes, code_page);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), wide_length);
  std::string out;
  AppendWide(out, wide.data(), wide_length);
  return out;
}

}  // namespace

std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view charset) {
  const unsigned code_page = CodePage(charset);
  switch (code_page) {
    case 0:
      return std::nullopt;
    case kUtf16Either:
      if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
      if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
      return FromUtf16(bytes, true);
    case kUtf16Le:
      return FromUtf16(bytes, false);
    case kUtf16Be:
      return FromUtf16(bytes, true);
    default:
      return FromCodePage(bytes, code_page);
  }
}

}  // namespace lunvale::platform
