// SPDX-License-Identifier: MIT
#include "platform/system/time_format.h"

#include <langinfo.h>
#include <locale.h>

namespace lunvale::platform {

struct TimeFormat::Locale {
  locale_t locale = static_cast<locale_t>(0);

  explicit Locale(locale_t l) : locale(l) {}
  ~Locale() {
    if (locale != static_cast<locale_t>(0)) freelocale(locale);
  }
  Locale(const Locale&) = delete;
  Locale& operator=(const Locale&) = delete;
};

bool LocalTime(std::time_t time, std::tm& out) {
  return localtime_r(&time, &out) != nullptr;
}

TimeFormat::TimeFormat() = default;

std::shared_ptr<const TimeFormat> TimeFormat::ForLocale(const std::string& locale_name) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  locale_t locale = newlocale(LC_TIME_MASK, locale_name.c_str(), static_cast<locale_t>(0));
  format->found_ = locale != static_cast<locale_t>(0);
  if (!format->found_) locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    format->pattern_ = "%H:%M";
    return format;
  }
  format->locale_ = std::make_unique<Locale>(locale);
  format->pattern_ =
      TimeFormatWithoutSeconds(nl_langinfo_l(T_FMT, locale), nl_langinfo_l(T_FMT_AMPM, locale));
  return format;
}

std::shared_ptr<const TimeFormat> TimeFormat::ForPattern(std::string pattern) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  const locale_t locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  if (locale != static_cast<locale_t>(0)) format->locale_ = std::make_unique<Locale>(locale);
  format->found_ = true;
  format->pattern_ = std::move(pattern);
  return format;
}

TimeFormat::~TimeFormat() = default;

size_t TimeFormat::Format(const std::tm& time, char* out, size_t size) const {
  if (out == nullptr || size == 0) return 0;
  out[0] = '\0';
  if (pattern_.empty()) return 0;
  const size_t n = locale_ != nullptr ? strftime_l(out, size, pattern_.c_str(), &time, locale_->locale)
                                      : strftime(out, size, pattern_.c_str(), &time);
  if (n == 0) out[0] = '\0';
  return n;
}

}  // namespace lunvale::platform
