// SPDX-License-Identifier: MIT
// The locale's time format as the C library's locales give it (Linux); Windows' own is tested in
// time_format_win32_test.cpp.
#include "platform/system/time_format.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>
#include <utility>

#include "support/scratch.h"

namespace lunvale::platform {
namespace {

std::string Formatted(const TimeFormat& format, int hour, int minute) {
  std::tm time{};
  time.tm_year = 126;
  time.tm_hour = hour;
  time.tm_min = minute;
  char buffer[256];
  return std::string(buffer, format.Format(time, buffer, sizeof buffer));
}

TEST(TimeFormat, TheUsersLocaleDecidesAndAMissingOneFallsBackToC) {
  const std::shared_ptr<const TimeFormat> c = TimeFormat::ForLocale("C");
  EXPECT_TRUE(c->LocaleFound());
  EXPECT_EQ(Formatted(*c, 9, 5), "09:05");
  EXPECT_EQ(Formatted(*c, 22, 59), "22:59");

  const std::shared_ptr<const TimeFormat> missing = TimeFormat::ForLocale("xx_NOWHERE.UTF-8");
  EXPECT_FALSE(missing->LocaleFound());
  EXPECT_EQ(Formatted(*missing, 22, 59), "22:59");

  // "" reads the environment: LC_ALL over LC_TIME.
  for (const auto& [locale, found] : {std::pair{"xx_NOWHERE.UTF-8", false}, {"C.UTF-8", true}}) {
    testing::ScopedEnv all("LC_ALL", locale);
    EXPECT_EQ(TimeFormat::ForLocale()->LocaleFound(), found) << locale;
  }

  // A 12-hour locale, where the machine has one.
  const std::shared_ptr<const TimeFormat> us = TimeFormat::ForLocale("en_US.UTF-8");
  if (us->LocaleFound()) {
    EXPECT_EQ(Formatted(*us, 21, 5), "09:05 PM");
  }
}

}  // namespace
}  // namespace lunvale::platform
