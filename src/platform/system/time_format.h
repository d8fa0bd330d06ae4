// SPDX-License-Identifier: MIT
#pragma once

#include <locale.h>
#include <ctime>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace lunvale::platform {

// A strftime pattern of a locale's standard time without its seconds: the composite conversions are
// spelt out (%T, %R, %r with `ampm_pattern`, %X with %H:%M:%S), then %S goes together with the
// separator before it (":" in "%H:%M:%S") or, where the text before it is a word, with the unit word
// after it ("%H時%M分%S秒"). Blanks left at either end are dropped.
std::string TimeFormatWithoutSeconds(std::string_view pattern, std::string_view ampm_pattern);

// The time of day as a locale writes it without seconds, the stand-in for asking the system for the
// locale's standard time format. Immutable once made: one may be shared by any number of threads.
class TimeFormat {
 public:
  // `locale_name` as setlocale takes it: "" is the user's (LC_ALL, then LC_TIME, then LANG). A
  // locale that is not installed gives the "C" locale's format.
  static std::shared_ptr<const TimeFormat> ForLocale(const std::string& locale_name = "");
  // A fixed strftime pattern, written with the "C" locale's names (AM, PM).
  static std::shared_ptr<const TimeFormat> ForPattern(std::string pattern);

  TimeFormat(const TimeFormat&) = delete;
  TimeFormat& operator=(const TimeFormat&) = delete;
  ~TimeFormat();

  const std::string& Pattern() const { return pattern_; }
  // Whether ForLocale found the locale it was asked for.
  bool LocaleFound() const { return found_; }

  // Writes the time into `out` (NUL-terminated) and gives its length; 0 and an empty text when it
  // does not fit, as a format call into a short buffer fails. Does not allocate.
  size_t Format(const std::tm& time, char* out, size_t size) const;

 private:
  TimeFormat() = default;

  locale_t locale_ = static_cast<locale_t>(0);
  std::string pattern_;
  bool found_ = false;
};

}  // namespace lunvale::platform
