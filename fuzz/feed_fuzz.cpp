// SPDX-License-Identifier: MIT
// Feed extraction on any reply: the weather values and the news link are pieces of the document, the
// forecast service's values are picture codes and whole degrees, the ticker's texts hold no control
// byte, and a document of any size is read without a slow path (the run's time limit catches one).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "feeds/coordinate_forecast.h"
#include "feeds/feed_readers.h"
#include "property_check.h"

using namespace lunvale::feeds;

namespace {

bool Within(std::string_view document, const std::string& piece) {
  return piece.empty() || document.find(piece) != std::string_view::npos;
}

bool Printable(const std::string& text) {
  for (unsigned char c : text)
    if (c < 32) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view document(reinterpret_cast<const char*>(data), size);
  const WeatherReading weather = ReadWeather(document);
  for (const std::string* value : {&weather.today_code, &weather.today_now, &weather.tomorrow_code,
                                   &weather.tomorrow_low, &weather.tomorrow_hi})
    CHECK(weather.weather ? Within(document, *value) : value->empty());

  const WeatherReading forecast = ReadForecast(document);
  if (forecast.weather) {
    for (const std::string* code : {&forecast.today_code, &forecast.tomorrow_code}) {
      const int value = std::stoi(*code);
      CHECK(value >= 0 && value <= 48 && std::to_string(value) == *code);
    }
    for (const std::string* degrees : {&forecast.today_now, &forecast.tomorrow_low, &forecast.tomorrow_hi})
      CHECK(std::to_string(std::stoi(*degrees)) == *degrees && std::abs(std::stoi(*degrees)) <= 1000);
  }

  const NewsReading news = ReadNews(document);
  if (!news.accepted) {
    CHECK(news.name.empty() && !news.link && news.line.empty());
    return 0;
  }
  CHECK(!news.link || Within(document, *news.link));
  CHECK(Printable(news.name) && Printable(news.line));
  CHECK(news.line.starts_with(kNewsSeparator));
  return 0;
}
