// SPDX-License-Identifier: MIT
// The locale's time format on Windows: the locale's time picture (LOCALE_STIMEFORMAT) becomes a strftime
// pattern without its seconds, written with the locale's AM and PM designators by our own formatter, as
// the C library here knows few of strftime's conversions. Locale names are Windows' ("de-DE"); a POSIX
// name ("de_DE.UTF-8") is read as the same locale.
#include "platform/system/time_format.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/system/time_pattern.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

struct TimeFormat::Locale {
  std::string am = "AM";
  std::string pm = "PM";
};

namespace {

// A value of the locale as UTF-8; nothing when the locale has none.
bool LocaleText(const wchar_t* locale, LCTYPE type, std::string& out) {
  wchar_t wide[128];
  const int length = ::GetLocaleInfoEx(locale, type, wide, static_cast<int>(std::size(wide)));
  if (length <= 0) return false;
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, nullptr, 0, nullptr, nullptr);
  out.assign(static_cast<std::size_t>(std::max(size, 0)), '\0');
  if (size > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, out.data(), size, nullptr, nullptr);
  return true;
}

// "de_DE.UTF-8@euro" as "de-DE"; "C" and "POSIX" as the invariant locale.
std::wstring WindowsLocaleName(const std::string& name) {
  std::string base = name.substr(0, name.find_first_of(".@"));
  if (base == "C" || base == "POSIX") return L"";
  std::wstring out;
  for (const char c : base) {
    if (static_cast<unsigned char>(c) >= 0x80) return L"?";  // names no locale
    out += c == '_' ? L'-' : static_cast<wchar_t>(c);
  }
  return out;
}

}  // namespace

bool LocalTime(std::time_t time, std::tm& out) {
  return localtime_s(&out, &time) == 0;
}

TimeFormat::TimeFormat() = default;

std::shared_ptr<const TimeFormat> TimeFormat::ForLocale(const std::string& locale_name) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  format->locale_ = std::make_unique<Locale>();
  format->pattern_ = "%H:%M";
  const std::wstring name = WindowsLocaleName(locale_name);
  const wchar_t* locale = locale_name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str();
  if (!locale_name.empty() && !name.empty() && !::IsValidLocaleName(locale)) return format;

  std::string picture, am, pm;
  if (!LocaleText(locale, LOCALE_STIMEFORMAT, picture)) return format;
  format->found_ = true;
  format->pattern_ = TimeFormatWithoutSeconds(PatternFromTimePicture(picture), "");
  if (LocaleText(locale, LOCALE_S1159, am)) format->locale_->am = std::move(am);
  if (LocaleText(locale, LOCALE_S2359, pm)) format->locale_->pm = std::move(pm);
  return format;
}

std::shared_ptr<const TimeFormat> TimeFormat::ForPattern(std::string pattern) {
  std::shared_ptr<TimeFormat> format(new TimeFormat());
  format->locale_ = std::make_unique<Locale>();
  format->found_ = true;
  format->pattern_ = std::move(pattern);
  return format;
}

TimeFormat::~TimeFormat() = default;

size_t TimeFormat::Format(const std::tm& time, char* out, size_t size) const {
  if (out == nullptr || size == 0) return 0;
  out[0] = '\0';
  if (pattern_.empty()) return 0;
  return FormatTimePattern(pattern_, time, locale_->am, locale_->pm, out, size);
}

}  // namespace lunvale::platform
