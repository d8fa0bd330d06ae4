// SPDX-License-Identifier: MIT
#pragma once

// platform/system: the time of day as the user's locale writes it, and the local time.

#include <cstddef>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

namespace lunvale::platform {

// A strftime pattern of a locale's standard time without its seconds: the composite conversions are
// spelt out (%T, %R, %r with `ampm_pattern`, %X with %H:%M:%S), then %S goes together with the
// separator before it (":" in "%H:%M:%S") or, where the text before it is a word, with the unit word
// after it ("%H時%M分%S秒"). Blanks left at either end are dropped.
std::string TimeFormatWithoutSeconds(std::string_view pattern, std::string_view ampm_pattern);

// `time` as the user's time zone has it; false when it cannot be represented.
bool LocalTime(std::time_t time, std::tm& out);

// The time of day as a locale writes it without seconds, the stand-in for asking the system for the
// locale's standard time format. Immutable once made: one may be shared by any number of threads.
class TimeFormat {
 public:
  // `locale_name` as setlocale takes it ("de_DE.UTF-8"; on Windows also "de-DE"): "" is the user's
  // (on Linux LC_ALL, then LC_TIME, then LANG; on Windows the user's locale). A locale that is not
  // installed gives the "C" locale's format.
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
  struct Locale;  // what the platform needs to write the locale's names

  TimeFormat();

  std::unique_ptr<Locale> locale_;
  std::string pattern_;
  bool found_ = false;
};

}  // namespace lunvale::platform
