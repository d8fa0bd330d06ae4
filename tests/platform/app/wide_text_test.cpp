// SPDX-License-Identifier: MIT
#include "platform/app/wide_text.h"

#include <gtest/gtest.h>

namespace lunvale::platform {
namespace {

TEST(WideTextTest, EightBitTextBecomesUtf16AndBack) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string units;
    std::string utf8;  // what comes back
  } cases[] = {
      {"ASCII", "Lake", u"Lake", "Lake"},
      {"UTF-8", "25\xC2\xB0", u"25\u00B0", "25\xC2\xB0"},
      {"Windows-1252", "25\xB0 \x80", u"25\u00B0 \u20AC", "25\xC2\xB0 \xE2\x82\xAC"},
      {"past U+FFFF", "\xF0\x9F\x98\x80", u"\U0001F600", "\xF0\x9F\x98\x80"},
      {"a NUL inside", std::string("a\0b", 3), std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf16FromText(c.bytes), c.units);
    EXPECT_EQ(Utf8FromUtf16(c.units), c.utf8);
  }
}

TEST(WideTextTest, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf8FromUtf16(u"\xD83D"
                          u"a"),
            "\xEF\xBF\xBD"
            "a");
  EXPECT_EQ(Utf8FromUtf16(std::u16string(1, u'\xDE00')), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lunvale::platform
