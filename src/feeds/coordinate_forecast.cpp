#include "feeds/coordinate_forecast.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "data/location_table.h"
#include "feeds/marker_text.h"

namespace lunvale::feeds {

namespace {

std::string Degrees(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
  return std::string(text, result.ptr);
}

// The number that follows "name": in `object`, as JSON writes numbers.
std::optional<double> NumberAfter(std::string_view object, std::string_view marker) {
  const size_t at = object.find(marker);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view text = object.substr(at + marker.size());
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string_view Section(std::string_view json, std::string_view open, std::string_view close) {
  std::string_view rest, found;
  CutTag(json, open, close, rest, found);
  return found;
}

// The second number of the array "name":[first,second,...]: tomorrow's.
std::optional<double> Tomorrow(std::string_view daily, std::string_view name) {
  const std::string_view list = Section(daily, "\"" + std::string(name) + "\":[", "]");
  const size_t comma = list.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return NumberAfter(list.substr(comma), ",");
}

std::string Whole(double degrees) {
  const long value = std::lround(degrees);
  return std::to_string(value == 0 ? 0 : value);  // no "-0"
}

}  // namespace

int ConditionCode(int wmo_code) {
  // WMO code and the weather feed's condition code (the day's pictures where they differ by day).
  static constexpr std::pair<int, int> kCodes[] = {
      {0, 32},  {1, 34},  {2, 30},  {3, 26},             // clear, mainly clear, partly cloudy, overcast
      {45, 20}, {48, 20},                                // fog
      {51, 9},  {53, 9},  {55, 9},  {56, 8},  {57, 8},   // drizzle, freezing drizzle
      {61, 11}, {63, 12}, {65, 12}, {66, 10}, {67, 10},  // rain, freezing rain
      {71, 14}, {73, 16}, {75, 41}, {77, 13},            // snow, snow grains
      {80, 40}, {81, 11}, {82, 12}, {85, 46}, {86, 41},  // rain and snow showers
      {95, 4},  {96, 3},  {99, 3},                       // thunderstorms, with hail
  };
  for (const auto& [wmo, condition] : kCodes) {
    if (wmo == wmo_code) return condition;
  }
  return 48;
}

std::optional<std::string> ForecastURL(std::string_view host, std::string_view location_code,
                                       std::string_view unit) {
  for (const data::CityEntry& city : data::Cities()) {
    if (location_code != std::string_view(city.code, strnlen(city.code, sizeof city.code))) continue;
    std::string url = "http://";
    url += host;
    url += "/v1/forecast?latitude=" + Degrees(city.latitude) + "&longitude=" + Degrees(city.longitude);
    url += "&current=temperature_2m,weather_code&daily=weather_code,temperature_2m_max,temperature_2m_min";
    url += unit == "c" ? "&temperature_unit=celsius" : "&temperature_unit=fahrenheit";
    url += "&timezone=auto&forecast_days=2";
    return url;
  }
  return std::nullopt;
}

WeatherReading ReadForecast(std::string_view json) {
  WeatherReading reading;
  // The "_units" objects come first and name the same fields: the markers include the brace.
  const std::string_view current = Section(json, "\"current\":{", "}");
  const std::string_view daily = Section(json, "\"daily\":{", "}");
  const auto now = NumberAfter(current, "\"temperature_2m\":");
  const auto today = NumberAfter(current, "\"weather_code\":");
  const auto tomorrow = Tomorrow(daily, "weather_code");
  const auto low = Tomorrow(daily, "temperature_2m_min");
  const auto high = Tomorrow(daily, "temperature_2m_max");
  if (!now || !today || !tomorrow || !low || !high) return reading;
  const auto code = [](double wmo) {
    return wmo >= 0 && wmo < 1000 ? ConditionCode(static_cast<int>(wmo)) : 48;
  };
  for (const double degrees : {*now, *low, *high}) {
    if (std::fabs(degrees) > 1000) return reading;
  }
  reading.weather = true;
  reading.today_code = std::to_string(code(*today));
  reading.today_now = Whole(*now);
  reading.tomorrow_code = std::to_string(code(*tomorrow));
  reading.tomorrow_low = Whole(*low);
  reading.tomorrow_hi = Whole(*high);
  return reading;
}

}  // namespace lunvale::feeds
