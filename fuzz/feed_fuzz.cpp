// SPDX-License-Identifier: MIT
// Feed extraction on any reply: the weather values are pieces of the document, the forecast service's
// values are picture codes and whole degrees, the news texts (RSS, RSS 1.0 or Atom, decoded once) are
// UTF-8 and the ticker's hold no control character, and a document of any size is read without a slow
// path (the run's time limit catches one).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "feeds/coordinate_forecast.h"
#include "feeds/feed_readers.h"
#include "feeds/feed_text.h"
#include "platform/text/code_page.h"
#include "property_check.h"

using namespace lunvale::feeds;

namespace {

bool Within(std::string_view document, const std::string& piece) {
  return piece.empty() || document.find(piece) != std::string_view::npos;
}

// No C0 control, DEL, C1 control (U+0080..U+009F) or no-break space.
bool OneLineText(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 32 || c == 127) return false;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0xA0) return false;
  }
  return lunvale::platform::IsValidUtf8(text);
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
  CHECK(!news.link || (!news.link->empty() && lunvale::platform::IsValidUtf8(*news.link)));
  CHECK(OneLineText(news.name) && OneLineText(news.line));
  CHECK(news.line.starts_with(kNewsSeparator));
  // Text without a reference or markup comes through decoding unchanged.
  if (document.find_first_of("&<") == std::string_view::npos) CHECK(TextContent(document) == document);
  return 0;
}
