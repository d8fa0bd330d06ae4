// SPDX-License-Identifier: MIT
#include "platform/system/time_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/win32/windows_api.h"

namespace lunvale::platform {
namespace {

std::tm Time(int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 124, t.tm_mon = 2, t.tm_mday = 5;
  t.tm_hour = hour, t.tm_min = minute, t.tm_sec = second;
  return t;
}

std::string Ours(const TimeFormat& format, const std::tm& t) {
  char text[256];
  const size_t n = format.Format(t, text, sizeof text);
  return std::string(text, n);
}

// What Windows itself writes for the locale's time without seconds.
std::string Windows(const wchar_t* locale, const std::tm& t) {
  SYSTEMTIME st{};
  st.wYear = 2024, st.wMonth = 3, st.wDay = 5;
  st.wHour = static_cast<WORD>(t.tm_hour), st.wMinute = static_cast<WORD>(t.tm_min);
  st.wSecond = static_cast<WORD>(t.tm_sec);
  wchar_t wide[128];
  const int length = ::GetTimeFormatEx(locale, TIME_NOSECONDS, &st, nullptr, wide, 128);
  if (length <= 1) return {};
  char text[512];
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, text, sizeof text, nullptr, nullptr);
  return std::string(text, static_cast<size_t>(std::max(size, 0)));
}

TEST(TimeFormatOnWindows, WritesTheTimeAsTheLocaleDoesWithoutSeconds) {
  struct Case {
    const char* name;        // as asked for
    const wchar_t* windows;  // as Windows names it
  };
  const Case locales[] = {
      {"", nullptr},  // the user's
      {"en-US", L"en-US"}, {"en_GB.UTF-8", L"en-GB"}, {"de_DE.UTF-8@euro", L"de-DE"},
      {"fi-FI", L"fi-FI"}, {"ja-JP", L"ja-JP"},       {"ko-KR", L"ko-KR"},
      {"zh-CN", L"zh-CN"}, {"ar-SA", L"ar-SA"},       {"C", L""},
  };
  const std::tm times[] = {Time(0, 7, 0), Time(9, 5, 30), Time(12, 0, 59), Time(21, 45, 1), Time(23, 59, 59)};
  for (const Case& c : locales) {
    SCOPED_TRACE(c.name);
    const auto format = TimeFormat::ForLocale(c.name);
    EXPECT_TRUE(format->LocaleFound());
    EXPECT_EQ(format->Pattern().find('S'), std::string::npos) << format->Pattern();
    for (const std::tm& t : times) EXPECT_EQ(Ours(*format, t), Windows(c.windows, t)) << format->Pattern();
  }
}

TEST(TimeFormatOnWindows, AMissingLocaleWritesTheCFormatAndLocalTimeWorks) {
  for (const char* name : {"xx_NOWHERE.UTF-8", "xx-NOWHERE", "caf\xC3\xA9"}) {
    SCOPED_TRACE(name);
    const auto format = TimeFormat::ForLocale(name);
    EXPECT_FALSE(format->LocaleFound());
    EXPECT_EQ(Ours(*format, Time(22, 59, 0)), "22:59");
  }
  EXPECT_EQ(Ours(*TimeFormat::ForPattern("%-I:%M %p"), Time(0, 7, 0)), "12:07 AM");
  std::tm local{};
  ASSERT_TRUE(LocalTime(86400 * 365, local));
  EXPECT_TRUE(local.tm_year == 70 || local.tm_year == 71) << local.tm_year;
}

}  // namespace
}  // namespace lunvale::platform
