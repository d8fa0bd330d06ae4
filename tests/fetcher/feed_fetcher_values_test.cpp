// SPDX-License-Identifier: MIT
#include "fetcher/feed_fetcher.h"

#include "feeds/coordinate_forecast.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fetcher/fetcher_fixture.h"

namespace lunvale::fetcher {
namespace {

using namespace feeds;  // the readers of what the fetcher downloads

TEST(ReadFeeds, WeatherTakesTheConditionsAndTheSecondForecast) {
  const WeatherReading r = ReadWeather(kWeather);
  EXPECT_TRUE(r.weather);
  EXPECT_EQ(r.today_code, "34");
  EXPECT_EQ(r.today_now, "75");
  EXPECT_EQ(r.tomorrow_code, "30");
  EXPECT_EQ(r.tomorrow_low, "58");
  EXPECT_EQ(r.tomorrow_hi, "78");
  EXPECT_FALSE(ReadWeather("<html><body>Not found</body></html>").weather);
}

TEST(ReadFeeds, NewsTextsAndTheLinkAreDecodedOnceAndEveryItemCounts) {
  const NewsReading r = ReadNews(Feed("A &amp;amp; B",
                                      "<item><title>A &amp;amp; B</title></item>"
                                      "<item><title><![CDATA[Rain\n tomorrow]]></title></item>"
                                      "<item id=\"7\"><title>tagged</title></item>"
                                      "<item><description>no title</description></item>"));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.name, "A &amp; B");
  EXPECT_EQ(r.line, "  ***  A &amp; B  ***  Rain  tomorrow  ***  tagged  ***  ");
  EXPECT_EQ(r.link, "http://news.test/?a=1&b=2");

  const NewsReading open_item = ReadNews(Feed("N", "<item><title>t</title>"));
  EXPECT_EQ(open_item.line, "  ***  ");
  // No declaration, but an rss root: accepted; items outside a channel are none of its.
  const NewsReading bare = ReadNews("<rss version=\"2.0\"><foo><item><title>x</title></item></foo></rss>");
  EXPECT_TRUE(bare.accepted);
  EXPECT_EQ(bare.line, "  ***  ");
  EXPECT_FALSE(bare.link.has_value());
  EXPECT_FALSE(ReadNews("<html lang=\"en\"><title>x</title></html>").accepted);
}

TEST(ConditionCodes, EveryCodeOfTheServiceShowsAPictureOfItsOwnKind) {
  // The service's documented WMO codes and the pictures' kinds by their codes (the feed's condition
  // codes, labels as drawn on the pictures).
  const std::vector<std::pair<std::vector<int>, std::set<int>>> kinds = {
      {{0, 1, 2}, {32, 34, 30, 31, 33, 29}},  // SUNNY, FAIR, P.CLOUDY by day and night
      {{3}, {26}},                            // CLOUDY
      {{45, 48}, {20}},                       // FOG
      {{51, 53, 55}, {9}},                    // DRIZZLE
      {{56, 57}, {8}},                        // FRZ DRIZZLE
      {{61, 63, 65, 81, 82}, {11, 12}},       // SHOWERS (rain)
      {{66, 67}, {10}},                       // FRZ RAIN
      {{71, 73, 75, 77}, {13, 14, 16, 41}},   // FLURRIES, LT SNOW, SNOW, HVY SNOW
      {{80}, {40}},                           // SCT SHWR
      {{85, 86}, {46, 41}},                   // SNOW SHWR, HVY SNOW
      {{95, 96, 99}, {4, 3}},                 // T-STORMS, SEVERE
  };
  int documented = 0;
  for (const auto& [codes, pictures] : kinds) {
    for (const int wmo : codes) {
      ++documented;
      for (const bool night : {false, true}) {
        const int picture = ConditionCode(wmo, night);
        EXPECT_TRUE(picture >= 0 && picture <= gadgets::TQGW::kLastCode) << wmo;
        EXPECT_TRUE(pictures.count(picture)) << wmo << " shows " << picture;
      }
    }
  }
  EXPECT_EQ(documented, 28);
  // The sky's own pictures by night; anything else has no picture.
  EXPECT_EQ((std::vector{ConditionCode(0, true), ConditionCode(1, true), ConditionCode(2, true)}),
            (std::vector{31, 33, 29}));
  for (const int other : {-1, 4, 42, 100}) EXPECT_EQ(ConditionCode(other), 48);
  // Pretty-printed replies read the same; a code that is not whole has no picture.
  const WeatherReading spaced = ReadForecast(
      "{\"current\" : { \"temperature_2m\" : -3.5, \"weather_code\" : 2.5 },\n \"daily\" : {\n"
      "  \"weather_code\" : [ 1 , 0 ], \"temperature_2m_max\" : [1, 2], \"temperature_2m_min\" : [0,-1] } }");
  EXPECT_TRUE(spaced.weather);
  EXPECT_EQ(spaced.today_code + " " + spaced.today_now + " " + spaced.tomorrow_code, "48 -4 32");
}

TEST_F(WeatherHTTPTest, TheWeatherSettingsComeFromTheKeyWhenTheyAreThere) {
  EXPECT_EQ(WeatherHostSetting(store_), "");
  EXPECT_EQ(WeatherApiSetting(store_), kForecastApi);
  Number(kWeatherHostValue, 5);  // of the wrong type
  EXPECT_EQ(WeatherHostSetting(store_), "");
  Text(kWeatherHostValue, "127.0.0.1:8080");
  EXPECT_EQ(WeatherHostSetting(store_), "127.0.0.1:8080");
  EXPECT_EQ(WeatherURL("h:1", "AFXX0005", "c"), "http://h:1/forecastrss?p=AFXX0005&u=c");
  // A service address: http or https to a host; anything else gives none.
  for (const char* usable : {"http://127.0.0.1:8080", "https://api.example.test/meteo/"}) {
    Text(kWeatherApiValue, usable);
    EXPECT_EQ(WeatherApiSetting(store_), usable);
  }
  Text(kWeatherApiValue, "");
  EXPECT_EQ(WeatherApiSetting(store_), kForecastApi);
  for (const char* unusable : {"api.open-meteo.com", "ftp://h", "http://", "https:///v1", "http://h\r\nX: 1",
                               "http://h/a b", "file:///etc/passwd"}) {
    Text(kWeatherApiValue, unusable);
    EXPECT_EQ(WeatherApiSetting(store_), "") << unusable;
  }
  Number(kWeatherApiValue, 1);
  EXPECT_EQ(WeatherApiSetting(store_), "");
}

}  // namespace
}  // namespace lunvale::fetcher
