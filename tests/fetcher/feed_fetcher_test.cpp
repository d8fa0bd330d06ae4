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

#include "fetcher/fetcher_fixture.h"
#include "platform/app/application.h"
#include "support/feed_servers.h"
#include "support/http_test_server.h"

// The fetcher against real servers on this machine (nginx, tinyproxy and scripted ones): downloads,
// proxies, time-outs and cancelling.

namespace lunvale::fetcher {
namespace {

using namespace feeds;
using test::HttpTestServer;

std::string Host(const HttpTestServer& server) {
  return "127.0.0.1:" + std::to_string(server.Port());
}

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

}  // namespace
}  // namespace lunvale::fetcher
