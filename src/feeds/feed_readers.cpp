// SPDX-License-Identifier: MIT
#include "feeds/feed_readers.h"

#include "feeds/marker_text.h"

namespace lunvale::feeds {

namespace {

// The value of name="..." in an element's attribute text; empty when absent.
std::string_view Attribute(std::string_view element, std::string_view name) {
  std::string marker(name);
  marker += "=\"";
  std::string_view rest, value;
  CutTag(element, marker, "\"", rest, value);
  return value;
}

}  // namespace

WeatherReading ReadWeather(std::string_view document) {
  WeatherReading reading;
  std::string_view rest, kind;
  CutTag(document, "<?", " ", rest, kind);
  if (kind != "xml") return reading;
  reading.weather = true;
  // Each cut goes on from the rest of the one before: the forecasts follow the conditions.
  std::string_view doc = document, condition, forecast, unused;
  CutTag(doc, "<yweather:condition", "/>", doc, condition);
  reading.today_code = Attribute(condition, "code");
  reading.today_now = Attribute(condition, "temp");
  CutTag(doc, "<yweather:forecast", "/>", doc, unused);
  CutTag(doc, "<yweather:forecast", "/>", doc, forecast);
  reading.tomorrow_code = Attribute(forecast, "code");
  reading.tomorrow_low = Attribute(forecast, "low");
  reading.tomorrow_hi = Attribute(forecast, "high");
  return reading;
}

std::string WeatherURL(std::string_view host, std::string_view code, std::string_view unit) {
  std::string url = "http://";
  url += host;
  url += "/forecastrss?p=";
  url += code;
  url += "&u=";
  url += unit;
  return url;
}

}  // namespace lunvale::feeds
