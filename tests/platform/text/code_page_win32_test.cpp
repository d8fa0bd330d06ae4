// SPDX-License-Identifier: MIT
#include "platform/text/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lunvale::platform {
namespace {

using namespace std::string_literals;

TEST(CharsetOnWindows, DocumentLabelsConvertToUtf8AndBadBytesToReplacements) {
  struct Case {
    const char* charset;
    std::string bytes;
    std::optional<std::string> utf8;
  };
  const Case cases[] = {
      {"KOI8-R", "\xF0\xD2\xC9", "При"},
      {"koi8-u", "\xA4", "\u0454"},
      {"windows-1251", "\xCF\xF0\xE8", "При"},
      {"Windows-1252", "\x80 caf\xE9", "€ café"},
      {"windows-1255", "\xF9", "\u05E9"},
      {"ISO-8859-2", "\xB1", "\u0105"},
      {"iso_8859-7", "\xE1", "\u03B1"},
      {"ISO-8859-15", "\xA4", "€"},
      {"latin1", "\xE9", "é"},
      {"TIS-620", "\xA1", "\u0E01"},
      {"IBM866", "\x8F", "П"},
      {"macintosh", "\x8E", "é"},
      {"Shift_JIS", "\x93\xFA\x96\x7B\x82", "日本\uFFFD"},  // a lead byte cut off at the end
      {"Shift_JIS", "a\xA0z", "a\uFFFDz"},                  // a byte that begins no character
      {"EUC-JP", "\xC6\xFC\xCB\xDC", "日本"},
      {"gb2312", "\xD6\xD0\xCE\xC4", "中文"},
      {"GBK", "\xD6\xD0\xCE\xC4", "中文"},
      {"GB18030", "\xD6\xD0", "中"},
      {"Big5", "\xA4\xA4\xA4\xE5", "中文"},
      {"EUC-KR", "\xC7\xD1\xB1\xDB", "한글"},
      {"UTF-8", "a\xFF\xC3\xA9", "a\uFFFDé"},
      {"UTF-16", "\xFF\xFE\x1F\x04"s, "П"},  // the mark gives the byte order and goes
      {"UTF-16", "\xFE\xFF\x04\x1F"s, "П"},
      {"UTF-16", "\x04\x1F"s, "П"},                            // big-endian without one
      {"UTF-16LE", "\x3D\xD8\x00\xDE"s, "\U0001F600"},         // a surrogate pair
      {"UTF-16BE", "\xD8\x3D\x00\x41\x00"s, "\uFFFDA\uFFFD"},  // a lone surrogate, an odd byte
      {"UTF-16LE", "\xFF\xFE\x41\x00"s, "\uFEFFA"},            // a label with its order keeps the mark
      {"no-such-set", "\xE9", std::nullopt},
      {"", "\xE9", std::nullopt},
      {"iso-8859-1\xE9", "\xE9", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.charset);
    EXPECT_EQ(ToUtf8(c.bytes, c.charset), c.utf8);
  }
}

TEST(CharsetOnWindows, LongTextWithABadByteKeepsEveryOtherCharacter) {
  std::string bytes;
  std::string expected;
  for (int i = 0; i < 5000; ++i) bytes += "\x93\xFA", expected += "日";
  bytes += '\xA0';
  expected += "\uFFFD";
  EXPECT_EQ(ToUtf8(bytes, "Shift_JIS"), expected);
}

}  // namespace
}  // namespace lunvale::platform
