// SPDX-License-Identifier: MIT
#include "platform/system/time_pattern.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace lunvale::platform {
namespace {

TEST(TimePattern, WindowsPicturesBecomeStrftimePatterns) {
  const std::pair<const char*, const char*> cases[] = {
      {"h:mm:ss tt", "%-I:%M:%S %p"},
      {"HH:mm:ss", "%H:%M:%S"},
      {"H.mm", "%-H.%M"},
      {"tt h'\xEC\x8B\x9C' m'\xEB\xB6\x84'", "%p %-I\xEC\x8B\x9C %-M\xEB\xB6\x84"},
      {"hh 'o''clock' s%", "%I o'clock %-S%%"},
      {"'unclosed h", "unclosed h"},
  };
  for (const auto& [picture, pattern] : cases) {
    SCOPED_TRACE(picture);
    EXPECT_EQ(PatternFromTimePicture(picture), pattern);
  }
}

// Our formatter against the C library's in the "C" locale, whose designators are AM and PM.
TEST(TimePattern, FormatsAsStrftimeDoes) {
  const char* patterns[] = {"%H:%M:%S",
                            "%I:%M %p",
                            "%-I:%M%P",
                            "%l|%k|%_H|%0k",
                            "%T %R %r %X",
                            "%5H|%-5M|%^p|%#p|%10p",
                            "%D %F %y %Y %m %d %e",
                            "%%S %n%t",
                            "%OH:%OM %EY",
                            "%Q and %",
                            "plain"};
  const int hours[] = {0, 9, 12, 13, 23};
  for (const char* pattern : patterns) {
    SCOPED_TRACE(pattern);
    for (const int hour : hours) {
      std::tm t{};
      t.tm_year = 99, t.tm_mon = 0, t.tm_mday = 7, t.tm_hour = hour, t.tm_min = 5, t.tm_sec = 9;
      char expected[128], ours[128];
      const size_t n = std::strftime(expected, sizeof expected, pattern, &t);
      EXPECT_EQ(FormatTimePattern(pattern, t, "AM", "PM", ours, sizeof ours), n);
      EXPECT_STREQ(ours, expected);
    }
  }
  char small[6] = "old";
  std::tm t{};
  EXPECT_EQ(FormatTimePattern("%H:%M:%S", t, "AM", "PM", small, sizeof small), 0u);  // needs 9
  EXPECT_STREQ(small, "");
  EXPECT_EQ(FormatTimePattern("%H:%M", t, "AM", "PM", small, sizeof small), 5u);
}

}  // namespace
}  // namespace lunvale::platform
