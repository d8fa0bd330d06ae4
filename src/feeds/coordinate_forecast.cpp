// SPDX-License-Identifier: MIT
#include "feeds/coordinate_forecast.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace lunvale::feeds {

namespace {

std::string Degrees(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
  return std::string(text, result.ptr);
}

void SkipBlanks(std::string_view& text) {
  while (!text.empty() &&
         (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n')) {
    text.remove_prefix(1);
  }
}

// What follows "name": in `json`, blanks skipped; empty when no member has that name.
std::string_view ValueOf(std::string_view json, std::string_view name) {
  const std::string key = "\"" + std::string(name) + "\"";
  for (size_t at = json.find(key); at != std::string_view::npos; at = json.find(key, at + 1)) {
    std::string_view rest = json.substr(at + key.size());
    SkipBlanks(rest);
    if (rest.empty() || rest.front() != ':') continue;  // a text that happens to read the same
    rest.remove_prefix(1);
    SkipBlanks(rest);
    return rest;
  }
  return {};
}

// The inside of the object or array that `value` starts with. The service's objects and arrays hold
// no nested ones, so the first closing bracket ends it.
std::string_view Enclosed(std::string_view value, char open, char close) {
  if (value.empty() || value.front() != open) return {};
  const size_t end = value.find(close);
  return end == std::string_view::npos ? std::string_view() : value.substr(1, end - 1);
}

std::optional<double> Number(std::string_view text) {
  SkipBlanks(text);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The second element of the array `name` in `daily`: tomorrow's.
std::optional<double> Tomorrow(std::string_view daily, std::string_view name) {
  const std::string_view list = Enclosed(ValueOf(daily, name), '[', ']');
  const size_t comma = list.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return Number(list.substr(comma + 1));
}

std::string Whole(double degrees) {
  const long value = std::lround(degrees);
  return std::to_string(value == 0 ? 0 : value);  // no "-0"
}

}  // namespace

int ConditionCode(int wmo_code, bool night) {
  // WMO code and the weather feed's pictures by day and by night; the feed draws showers and storms
  // the same at any hour.
  struct Row {
    int wmo, day, night;
  };
  static constexpr Row kCodes[] = {
      {0, 32, 31},  {1, 34, 33},  {2, 30, 29},  {3, 26, 26},   // clear, mainly clear, partly cloudy, overcast
      {45, 20, 20}, {48, 20, 20},                              // fog, rime fog
      {51, 9, 9},   {53, 9, 9},   {55, 9, 9},                  // drizzle
      {56, 8, 8},   {57, 8, 8},                                // freezing drizzle
      {61, 11, 11}, {63, 12, 12}, {65, 12, 12},                // rain
      {66, 10, 10}, {67, 10, 10},                              // freezing rain
      {71, 14, 14}, {73, 16, 16}, {75, 41, 41}, {77, 13, 13},  // snow: light, moderate, heavy; grains
      {80, 40, 40}, {81, 11, 11}, {82, 12, 12},                // rain showers
      {85, 46, 46}, {86, 41, 41},                              // snow showers
      {95, 4, 4},   {96, 3, 3},   {99, 3, 3},                  // thunderstorm, with hail
  };
  for (const Row& row : kCodes) {
    if (row.wmo == wmo_code) return night ? row.night : row.day;
  }
  return 48;
}

const data::CityEntry* FindPlace(std::string_view location_code) {
  const data::CityEntry* place = nullptr;
  for (const data::CityEntry& city : data::Cities()) {
    if (location_code == std::string_view(city.code, strnlen(city.code, sizeof city.code))) place = &city;
  }
  return place;
}

bool UsableServiceAddress(std::string_view address) {
  for (const unsigned char c : address) {
    if (c <= ' ' || c == 0x7F) return false;
  }
  // The scheme in any case, as the client reads it.
  std::string scheme(address.substr(0, address.find("://")));
  for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (scheme != "http" && scheme != "https") return false;
  const std::string_view host = address.substr(scheme.size() + 3);
  return !host.empty() && host.front() != '/';
}

std::optional<std::string> ForecastURL(std::string_view base, std::string_view location_code,
                                       std::string_view unit) {
  const data::CityEntry* place = FindPlace(location_code);
  if (place == nullptr) return std::nullopt;
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  std::string url(base);
  url += "/v1/forecast?latitude=" + Degrees(place->latitude) + "&longitude=" + Degrees(place->longitude);
  url +=
      "&current=temperature_2m,weather_code,is_day&daily=weather_code,temperature_2m_max,temperature_2m_min";
  url += unit == "c" ? "&temperature_unit=celsius" : "&temperature_unit=fahrenheit";
  url += "&timezone=auto&forecast_days=2";
  return url;
}

std::optional<std::string> ForecastPageURL(std::string_view location_code) {
  const data::CityEntry* place = FindPlace(location_code);
  if (place == nullptr) return std::nullopt;
  return kForecastPageSite + Degrees(place->latitude) + "," + Degrees(place->longitude);
}

WeatherReading ReadForecast(std::string_view json) {
  WeatherReading reading;
  const std::string_view current = Enclosed(ValueOf(json, "current"), '{', '}');
  const std::string_view daily = Enclosed(ValueOf(json, "daily"), '{', '}');
  const auto now = Number(ValueOf(current, "temperature_2m"));
  const auto today = Number(ValueOf(current, "weather_code"));
  const auto tomorrow = Tomorrow(daily, "weather_code");
  const auto low = Tomorrow(daily, "temperature_2m_min");
  const auto high = Tomorrow(daily, "temperature_2m_max");
  if (!now || !today || !tomorrow || !low || !high) return reading;
  for (const double degrees : {*now, *low, *high}) {
    if (std::fabs(degrees) > 1000) return reading;
  }
  // Without is_day the day's pictures, as for tomorrow.
  const bool night = Number(ValueOf(current, "is_day")) == 0.0;
  const auto code = [](double wmo, bool at_night) {
    return wmo >= 0 && wmo < 1000 && wmo == std::trunc(wmo) ? ConditionCode(static_cast<int>(wmo), at_night)
                                                            : 48;
  };
  reading.weather = true;
  reading.today_code = std::to_string(code(*today, night));
  reading.today_now = Whole(*now);
  reading.tomorrow_code = std::to_string(code(*tomorrow, false));
  reading.tomorrow_low = Whole(*low);
  reading.tomorrow_hi = Whole(*high);
  return reading;
}

}  // namespace lunvale::feeds
