// SPDX-License-Identifier: MIT
#include "fetcher/feed_fetcher.h"

#include "feeds/coordinate_forecast.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/app/application.h"
#include "settings/temp_config_home.h"
#include "support/feed_servers.h"
#include "support/http_test_server.h"

namespace lunvale::fetcher {
namespace {

using namespace feeds;  // the readers of what the fetcher downloads
using test::HttpTestServer;

const std::string kWeather =
    "<?xml version=\"1.0\"?><rss><channel><title>Weather</title>"
    "<yweather:condition text=\"Fair\" code=\"34\" temp=\"75\" />"
    "<yweather:forecast day=\"Mon\" low=\"60\" high=\"80\" code=\"32\" />"
    "<yweather:forecast day=\"Tue\" low=\"58\" high=\"78\" code=\"30\" />"
    "</channel></rss>";

std::string Feed(const std::string& channel_title, const std::string& items) {
  return "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>" + channel_title +
         "</title><link>http://news.test/?a=1&amp;b=2</link>" + items + "</channel></rss>";
}

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

// The fetcher on its own client, gadgets and settings, with a minute the test sets.
class WeatherHTTPTest : public testing_support::TempConfigHome {
 protected:
  void SetUp() override {
    TempConfigHome::SetUp();
    store_.SetBrandName(settings::kBrandName);
    store_.SetSSName(settings::kSSName);
    store_.SetRegistry();  // a first run
  }

  void Text(const char* name, const std::string& value) { store_.WriteAKey(name, value); }
  void Number(const char* name, int32_t value) { store_.WriteRKey(name, value); }

  WeatherHTTP& Make(const std::string& host, const std::string& forecast_api = "http://forecast.invalid") {
    store_.SetRegistry();
    WeatherHTTP::Targets t{&client_,
                           &store_,
                           weather_,
                           news_,
                           [this] { return link_; },
                           [this](const std::string& link) { link_ = link; }};
    fetcher_ = std::make_unique<WeatherHTTP>(
        t, host, [this] { return minute_; }, forecast_api);
    return *fetcher_;
  }

  void ExpectWeather(int32_t today, const char* now, int32_t tomorrow, const char* low, const char* hi) {
    EXPECT_EQ(weather_->GetTodayCode(), today);
    EXPECT_EQ(weather_->GetTodayNow(), now);
    EXPECT_EQ(weather_->GetTomorrowCode(), tomorrow);
    EXPECT_EQ(weather_->GetTomorrowLow(), low);
    EXPECT_EQ(weather_->GetTomorrowHi(), hi);
  }

  static std::string Host(const HttpTestServer& server) {
    return "127.0.0.1:" + std::to_string(server.Port());
  }

  platform::TComponent owner_{nullptr};
  gadgets::TQGW* weather_ = new gadgets::TQGW(&owner_);
  gadgets::TQGR* news_ = new gadgets::TQGR(&owner_);
  net::THTTPClient client_;
  settings::SettingsStore store_;
  std::string link_ = "kept";
  int minute_ = 0;
  std::unique_ptr<WeatherHTTP> fetcher_;
};

TEST_F(WeatherHTTPTest, RefreshesAtOnceThenAfterThirtyMinuteChanges) {
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", kWeather)),
                        std::chrono::seconds(30), 64);
  Number("ShowWeather", 1);
  for (const int start : {0, 17}) {
    SCOPED_TRACE(start);
    const int before = server.Accepted();
    weather_->SetRefreshCounter(0);
    WeatherHTTP& fetcher = Make(Host(server));
    minute_ = start;
    fetcher.SyncTick();
    EXPECT_EQ(server.Accepted(), before + 1);
    // Refreshes come on the tick after the one that counts the last change.
    const auto changes_until_refresh = [&] {
      const int fetched = server.Accepted();
      for (int changes = 1; changes < 100; ++changes) {
        minute_ = (minute_ + 1) % 60;
        fetcher.SyncTick();
        fetcher.SyncTick();
        fetcher.SyncTick();
        if (server.Accepted() > fetched) return changes;
      }
      return -1;
    };
    EXPECT_EQ(changes_until_refresh(), start == 0 ? 30 : 29);
    EXPECT_EQ(changes_until_refresh(), 30);
  }
  EXPECT_EQ(server.Requests()[0].rfind("GET /forecastrss?p=20001&u=f HTTP/1.0\r\n", 0), 0u);
}

TEST_F(WeatherHTTPTest, ABadDownloadKeepsItsValuesAndStopsNothingElse) {
  HttpTestServer server(
      [](HttpTestServer::Connection& c) {
        const std::string request = c.ReadRequest();
        if (request.find("/news") != std::string::npos) {
          c.Send(HttpTestServer::Reply(200, "OK", "", Feed("Channel", "<item><title>one</title></item>")));
        } else if (request.find("p=bad") != std::string::npos) {
          c.Send(HttpTestServer::Reply(200, "OK", "", Feed("x", "")));  // XML, but no weather in it
        } else if (request.find("p=loop") != std::string::npos) {
          c.Send(HttpTestServer::Reply(302, "Found", "Location: /forecastrss?p=loop&u=f\r\n", kWeather));
        } else if (request.find("p=html") != std::string::npos) {
          c.Send(HttpTestServer::Reply(404, "Not Found", "", "<html>gone</html>"));
        } else {
          c.Send(HttpTestServer::Reply(200, "OK", "", kWeather));
        }
      },
      std::chrono::seconds(30), 64);
  Number("ShowWeather", 1);
  Number("ShowNews", 1);
  const auto tick = [&](WeatherHTTP& f) {
    weather_->SetRefreshCounter(0);
    f.SyncTick();
  };

  // A news server that is not there fails that download only: the weather comes, now and at the
  // next refresh.
  Text("RSS_Url", "https://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/news");
  tick(Make(Host(server)));
  ExpectWeather(34, "75", 30, "58", "78");
  EXPECT_EQ(news_->GetRssLine(), gadgets::TQGR::kNotAvailable);
  for (const char* bad : {"bad", "loop"}) {
    SCOPED_TRACE(bad);
    // A weather code that is not a number, or a redirect loop: nothing changes, the news still comes.
    Text("WeatherCode", bad);
    Text("RSS_Url", server.Url("/news"));
    tick(Make(Host(server)));
    ExpectWeather(34, "75", 30, "58", "78");
    EXPECT_EQ(news_->GetRssLine(), "  ***  one  ***  ");
    EXPECT_EQ(news_->GetNameNews(), "Channel");
    EXPECT_EQ(link_, "http://news.test/?a=1&b=2");
    news_->SetRssLine("old");
  }
  // An error page is no weather document.
  Text("WeatherCode", "html");
  tick(Make(Host(server)));
  ExpectWeather(48, "NA", 48, "NA", "NA");
  // Nothing listening for the weather: the news still comes in the same tick.
  Text("WeatherCode", "20001");
  news_->SetRssLine("old");
  tick(Make("127.0.0.1:" + std::to_string(test::ClosedPort())));
  ExpectWeather(48, "NA", 48, "NA", "NA");
  EXPECT_EQ(news_->GetRssLine(), "  ***  one  ***  ");
}

TEST_F(WeatherHTTPTest, ControlBytesAndBadPortsNeverReachTheNetwork) {
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", kWeather)));
  Number("ShowWeather", 1);
  Number("ShowNews", 1);
  Text("RSS_Url", server.Url("/news\r\nX-Forged: 1"));
  for (const char* code : {"20001\r\nX-Forged: 1", "20001\tx"}) {
    Text("WeatherCode", code);
    weather_->SetRefreshCounter(0);
    Make(Host(server)).SyncTick();
  }
  // A proxy whose port is not a number, or whose name carries a line end.
  Text("WeatherCode", "20001");
  Number("UseProxy", 1);
  Text("Proxy", "127.0.0.1");
  Text("Port", "80a");
  weather_->SetRefreshCounter(0);
  Make(Host(server)).SyncTick();
  Text("Proxy", "127.0.0.1\n");
  Text("Port", std::to_string(server.Port()));
  weather_->SetRefreshCounter(0);
  Make(Host(server)).SyncTick();
  EXPECT_THROW(client_.Get(std::string("http://127.0.0.1/a\0b", 20)), net::ESockError);
  EXPECT_EQ(server.Accepted(), 0);
  ExpectWeather(48, "NA", 48, "NA", "NA");
  EXPECT_EQ(news_->GetRssLine(), gadgets::TQGR::kNotAvailable);
}

TEST_F(WeatherHTTPTest, TheNewsDownloadAloneGetsTheTimeOutAndTheProxy) {
  // The test server stands in for the proxy: it sees the absolute form of the news URL.
  HttpTestServer proxy(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", Feed("P", ""))));
  Number("ShowNews", 1);
  Number("UseProxy", 1);
  Text("Proxy", "127.0.0.1");
  Text("Port", std::to_string(proxy.Port()));
  Text("RSS_Url", "http://feeds.example.invalid/news.xml");
  Make("").SyncTick();
  EXPECT_EQ(client_.GetTimeOut(), kFeedTimeOut);
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0].rfind("GET http://feeds.example.invalid/news.xml HTTP/1.0\r\n", 0), 0u);
  EXPECT_EQ(news_->GetNameNews(), "P");
}

TEST_F(WeatherHTTPTest, ARelativeLinkIsTakenFromTheFeedsAddress) {
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(
      200, "OK", "", "<feed><title>A</title><link href=\"../front?x=1#top\"/></feed>")));
  Number("ShowNews", 1);
  Text("RSS_Url", server.Url("/feeds/atom.xml"));
  Make("").SyncTick();
  EXPECT_EQ(link_, server.Url("/front?x=1#top"));
}

TEST_F(WeatherHTTPTest, HttpsNewsComesThroughTheProxysTunnel) {
  testing::FeedServers servers(true);
  servers.Put("news.xml", Feed("Secure", "<item><title>one</title></item>"));
  testing::ScopedEnv store("SSL_CERT_FILE", servers.AuthorityFile());
  Number("ShowNews", 1);
  Number("UseProxy", 1);
  Text("Proxy", "127.0.0.1");
  Text("Port", std::to_string(servers.ProxyPort()));
  Text("RSS_Url", servers.SecureUrl("/news.xml"));
  Make("").SyncTick();
  EXPECT_EQ(news_->GetNameNews(), "Secure");
  EXPECT_NE(servers.ProxyLog().find("CONNECT "), std::string::npos);
}

TEST_F(WeatherHTTPTest, TerminateCancelsTheDownloadInProgressAndTheRestOfTheTick) {
  HttpTestServer server([](HttpTestServer::Connection& c) {
    c.ReadRequest();
    c.Pause(std::chrono::seconds(5));
  });
  Number("ShowWeather", 1);
  Number("ShowNews", 1);
  Text("RSS_Url", server.Url("/news"));
  WeatherHTTP& fetcher = Make(Host(server));
  // The exit sequence runs from the message pump that the download's waits turn.
  platform::Application::Instance().QueueCall([&] { fetcher.Terminate(); });
  const auto start = std::chrono::steady_clock::now();
  fetcher.SyncTick();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // The server's thread may take the weather's connection after the client gave it up; the news one
  // never comes.
  for (int i = 0; i < 100 && server.Accepted() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(server.Accepted(), 1);
  ExpectWeather(48, "NA", 48, "NA", "NA");
}

// The service's reply as it comes, in the unit asked for; tomorrow's low below zero.
std::string Forecast(const std::string& unit, double now, int is_day) {
  const bool c = unit == "celsius";
  const std::string degrees = c ? "\u00b0C" : "\u00b0F";
  return R"({"latitude":38.89037,"longitude":-77.03196,"generationtime_ms":0.06,"utc_offset_seconds":-18000,)"
         R"("timezone":"America/New_York","timezone_abbreviation":"GMT-5","elevation":6.0,"current_units":)"
         R"({"time":"iso8601","interval":"seconds","temperature_2m":")" +
         degrees +
         R"(","weather_code":"wmo code","is_day":""},"current":{"time":"2026-12-07T09:45",)"
         R"("interval":900,"temperature_2m":)" +
         std::to_string(now) + R"(,"weather_code":2,"is_day":)" + std::to_string(is_day) +
         R"(},"daily_units":{"time":"iso8601","weather_code":"wmo code"},"daily":{"time":["2026-12-07",)"
         R"("2026-12-08"],"weather_code":[3,73],"temperature_2m_max":)" +
         (c ? "[7.2,3.6]" : "[45.0,38.4]") + R"(,"temperature_2m_min":)" +
         (c ? "[0.6,-17.4]" : "[33.1,-0.4]") + "}}";
}

TEST_F(WeatherHTTPTest, WithoutAWeatherHostTheForecastComesByCoordinatesInTheSettingsUnit) {
  std::atomic<int> is_day = 1;
  HttpTestServer server(
      [&](HttpTestServer::Connection& c) {
        const std::string request = c.ReadRequest();
        const bool celsius = request.find("temperature_unit=celsius") != std::string::npos;
        c.Send(HttpTestServer::Reply(
            200, "OK", "", Forecast(celsius ? "celsius" : "fahrenheit", celsius ? 5.3 : 41.6, is_day)));
      },
      std::chrono::seconds(30));
  Number("ShowWeather", 1);
  Make("", server.Url("/")).SyncTick();  // a trailing slash on the address is not doubled
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].rfind(
                "GET /v1/forecast?latitude=38.8951&longitude=-77.0364&current=temperature_2m,"
                "weather_code,is_day&daily=weather_code,temperature_2m_max,temperature_2m_min&"
                "temperature_unit=fahrenheit&timezone=auto&forecast_days=2 HTTP/1.0\r\n",
                0),
            0u);
  ExpectWeather(30, "42", 16, "0", "38");  // partly cloudy; snow tomorrow
  // Celsius, at night: the night's partly cloudy picture now, tomorrow's by day.
  Text("TDegree", "c");
  is_day = 0;
  weather_->SetRefreshCounter(0);
  Make("", server.Url("/api")).SyncTick();
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(server.Requests()[1].rfind("GET /api/v1/forecast?latitude=38.8951&", 0), 0u);
  EXPECT_NE(server.Requests()[1].find("&temperature_unit=celsius&"), std::string::npos);
  ExpectWeather(29, "5", 16, "-17", "4");
}

TEST_F(WeatherHTTPTest, AForecastThatCannotBeAskedForOrReadIsNotAvailable) {
  std::mutex mutex;  // the server may still be sending when the client has the whole reply
  std::string reply;
  HttpTestServer server(
      [&](HttpTestServer::Connection& c) {
        c.ReadRequest();
        std::unique_lock lock(mutex);
        const std::string served = reply;
        lock.unlock();
        c.Send(served);
      },
      std::chrono::seconds(30));
  Number("ShowWeather", 1);
  const auto fetch = [&](const std::string& api, const std::string& served) {
    {
      std::lock_guard lock(mutex);
      reply = served;
    }
    weather_->SetRefreshCounter(0);
    Make("", api).SyncTick();
  };
  const std::string good = HttpTestServer::Reply(200, "OK", "", Forecast("fahrenheit", 70, 1));
  const auto shown = [&] { ExpectWeather(30, "70", 16, "0", "38"); };
  const auto not_available = [&] { ExpectWeather(48, "NA", 48, "NA", "NA"); };
  // The service's error reply, and replies without a value or with one it never sends.
  const std::string forecast = Forecast("fahrenheit", 70, 1);
  std::string no_tomorrow = forecast;
  no_tomorrow.replace(no_tomorrow.find("[3,73]"), 6, "[3,null]");
  for (const std::string& body :
       {std::string(
            R"({"error":true,"reason":"Cannot initialize WeatherVariable from invalid String value"})"),
        forecast.substr(0, forecast.find(R"(,"temperature_2m_min")")) + "}}", no_tomorrow,
        std::string("<html>busy</html>"),
        std::string(R"({"current":{"temperature_2m":1e999,"weather_code":2},"daily":{}})")}) {
    SCOPED_TRACE(body);
    fetch(server.Url("/"), good);
    shown();
    fetch(server.Url("/"), HttpTestServer::Reply(400, "Bad Request", "", body));
    not_available();
  }
  const int asked = server.Accepted();
  // Nothing to ask: a place the table does not know, an address that is no address.
  fetch(server.Url("/"), good);
  Text("WeatherCode", "nowhere");
  fetch(server.Url("/"), good);
  not_available();
  Text("WeatherCode", "20001");
  fetch(server.Url("/"), good);
  fetch("", good);
  not_available();
  EXPECT_EQ(server.Accepted(), asked + 2);
  // A request that fails keeps what is shown.
  fetch(server.Url("/"), good);
  fetch("http://127.0.0.1:" + std::to_string(test::ClosedPort()), good);
  shown();
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
