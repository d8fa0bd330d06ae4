// SPDX-License-Identifier: MIT
// The scene form fetching its feeds while its frames draw on the timer thread: from a real web server
// through a real proxy, and from the project's server with values that change at every refresh.
#include <SDL.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "fetcher/feed_fetcher.h"
#include "platform/app/application.h"
#include "scene/scene_form.h"
#include "settings/settings_store.h"
#include "support/fake_display.h"
#include "support/feed_servers.h"
#include "support/http_test_server.h"
#include "support/process.h"
#include "support/reference_picture.h"
#include "support/test_x_server.h"

namespace lunvale::scene {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string Weather(int today, int now, int tomorrow, int low, int hi) {
  const auto q = [](int v) { return "\"" + std::to_string(v) + "\""; };
  return "<?xml version=\"1.0\"?>\n<rss><channel>\n<yweather:condition text=\"x\" code=" + q(today) +
         " temp=" + q(now) +
         " />\n<yweather:forecast low=\"1\" high=\"2\" code=\"3\" />\n<yweather:forecast low=" + q(low) +
         " high=" + q(hi) + " code=" + q(tomorrow) + " />\n</channel></rss>\n";
}

std::string News(const std::string& titles) {
  std::string items;
  for (size_t at = 0; at < titles.size();) {
    const size_t comma = std::min(titles.find(',', at), titles.size());
    items += "<item><title>" + titles.substr(at, comma - at) + "</title></item>\n";
    at = comma + 1;
  }
  return "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Lake News &amp;amp; more</title>\n"
         "<link>http://news.test/lake?a=1&amp;b=2</link>\n" +
         items + "</channel></rss>\n";
}

class SceneFeedsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The form claims the display's sound; the claim stays the test's own, so that savers that other
    // tests run on the same X server meanwhile find the display's free.
    setenv("XDG_RUNTIME_DIR", config_.Path().c_str(), 1);
    store_.SetBrandName(settings::kBrandName);
    store_.SetSSName(settings::kSSName);
    store_.SetRegistry();
    store_.WriteRKey("ShowWeather", 1);
    store_.WriteRKey("ShowNews", 1);
  }

  // The form as the run creates it, its frames on the timer thread, its minute from minute_.
  std::unique_ptr<TForm1> Create() {
    auto form = std::make_unique<TForm1>(nullptr, backend_);
    form->Qss1()->MasterVolumeSetter = [](uint32_t) { return false; };
    form->FeedMinuteClock = [this] {
      ++clock_reads_;
      return minute_.load();
    };
    form->FormCreate();
    return form;
  }

  // Serves the main thread's queue (the fetcher's ticks) until `done` or the time is up.
  static bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
      platform::Application::Instance().ProcessMessages();
      if (done()) return true;
      std::this_thread::sleep_for(1ms);
    }
    return false;
  }

  testing::TempDir config_;
  testing::TempDir bin_;
  settings::SettingsStore store_;
  std::shared_ptr<testing::FakeDisplayBackend> backend_ = std::make_shared<testing::FakeDisplayBackend>();
  // A folder with an xdg-open that only writes down what it was asked to open.
  std::string FakeBrowser() {
    std::ofstream(bin_.Path() + "/xdg-open")
        << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << bin_.Path() << "/opened'\n";
    chmod((bin_.Path() + "/xdg-open").c_str(), 0755);
    return bin_.Path();
  }
  std::string Opened() const { return testing::ReadFile(bin_.Path() + "/opened"); }

  // Sets the minute and waits until a tick has read it.
  void ChangeMinute() {
    minute_ = (minute_ + 1) % 60;
    const int reads = clock_reads_;
    PumpUntil([&] { return clock_reads_ > reads; }, 5s);
  }

  std::atomic<int> minute_ = 0;
  std::atomic<int> clock_reads_ = 0;
};

TEST_F(SceneFeedsTest, FeedsComeThroughTheProxyAndChangeAtTheNextRefresh) {
  testing::FeedServers servers;
  servers.Put("forecast-AFXX0005-c.xml", Weather(34, 21, 30, 14, 25));
  servers.Put("news.xml", News("Gulls return,Ice &amp; snow"));
  store_.WriteAKey("WeatherCode", "AFXX0005");
  store_.WriteAKey("TDegree", "c");
  store_.WriteAKey("RSS_Url", servers.Url("/news.xml"));
  store_.WriteAKey(fetcher::kWeatherHostValue, "127.0.0.1:" + std::to_string(servers.WebPort()));
  store_.WriteRKey("UseProxy", 1);
  store_.WriteAKey("Proxy", "127.0.0.1");
  store_.WriteAKey("Port", std::to_string(servers.ProxyPort()));
  minute_ = 17;
  auto form = Create();
  gadgets::TQGW& weather = *form->QGW1();
  gadgets::TQGR& news = *form->QGR1();

  const auto first_line = "  ***  Gulls return  ***  Ice & snow  ***  ";
  ASSERT_TRUE(PumpUntil([&] { return news.GetRssLine() == first_line; }, 10s)) << news.GetRssLine();
  EXPECT_EQ(weather.GetTodayCode(), 34);
  EXPECT_EQ(weather.GetTodayNow(), "21");
  EXPECT_EQ(weather.GetTomorrowCode(), 30);
  EXPECT_EQ(weather.GetTomorrowLow(), "14");
  EXPECT_EQ(weather.GetTomorrowHi(), "25");
  EXPECT_EQ(news.GetNameNews(), "Lake News &amp; more");
  EXPECT_EQ(form->GetNewsLink(), "http://news.test/lake?a=1&b=2");
  EXPECT_EQ(servers.CountInWebLog("lunvale-test-proxy"), 2) << "not through the proxy";

  // New feeds on the server show after the 29th minute change (the start in minute 17 counted one).
  servers.Put("forecast-AFXX0005-c.xml", Weather(11, 9, 12, 3, 8));
  servers.Put("news.xml", News("Thaw"));
  for (int change = 1; change <= 29; ++change) {
    EXPECT_EQ(news.GetRssLine(), first_line) << "after " << change - 1 << " minute changes";
    ChangeMinute();
  }
  ASSERT_TRUE(PumpUntil([&] { return news.GetRssLine() == "  ***  Thaw  ***  "; }, 2s));
  EXPECT_EQ(weather.GetTodayNow(), "9");
  EXPECT_EQ(weather.GetTomorrowCode(), 12);

  form.reset();  // waits for the fetcher's thread
}

TEST_F(SceneFeedsTest, ValuesChangingEveryRefreshWhileFramesDraw) {
  std::atomic<int> served = 0;
  test::HttpTestServer server(
      [&](test::HttpTestServer::Connection& c) {
        const std::string request = c.ReadRequest();
        const int n = served++;
        const std::string body = request.find("/news") != std::string::npos
                                     ? News("title " + std::to_string(n) + ",more " + std::to_string(n))
                                     : Weather(n % 48, n, (n + 1) % 48, n, n + 1);
        c.Send(test::HttpTestServer::Reply(200, "OK", "", body));
      },
      20s, 4000);
  store_.WriteAKey("RSS_Url", server.Url("/news"));
  store_.WriteAKey(fetcher::kWeatherHostValue, "127.0.0.1:" + std::to_string(server.Port()));
  // Every tick sees another minute: a refresh every 31 ticks.
  std::atomic<int> ticks = 0;
  auto form = std::make_unique<TForm1>(nullptr, backend_);
  form->Qss1()->MasterVolumeSetter = [](uint32_t) { return false; };
  form->FeedMinuteClock = [&] { return ticks++ % 60; };
  form->FormCreate();
  std::set<std::string> shown;
  const int frames = backend_->FlipCount();
  PumpUntil(
      [&] {
        shown.insert(form->QGW1()->GetTodayNow());
        return shown.size() > 20 && backend_->FlipCount() > frames + 10;
      },
      15s);
  EXPECT_GT(shown.size(), 20u);
  EXPECT_GT(backend_->FlipCount(), frames + 10);
  form->CloseSaver();  // asks the fetcher to stop first
  EXPECT_TRUE(form->Fetcher()->Terminated());
  form.reset();
}

// The saver as a user runs it, on the X server, with its feeds from the real servers. Its wall clock
// runs 300 times fast (the frames' and the client's clocks do not), so that the refresh 30 minutes on
// comes after six seconds.
class SceneFeedsOnX : public SceneFeedsTest {};

TEST_F(SceneFeedsOnX, LiveValuesShowAtOnceChangeAtTheRefreshAndF2OpensTheChannel) {
  LUNVALE_REQUIRE_DISPLAY();
  testing::FeedServers servers;
  servers.Put("forecast-20001-f.xml", Weather(34, 75, 30, 58, 78));
  servers.Put("news.xml", News("Gulls return to the lake,Ferry timetable changes,Ice &amp; snow"));
  store_.WriteRKey("UseProxy", 1);
  store_.WriteAKey("Proxy", "127.0.0.1");
  store_.WriteAKey("Port", std::to_string(servers.ProxyPort()));
  store_.WriteAKey("RSS_Url", servers.Url("/news.xml"));
  store_.WriteAKey(fetcher::kWeatherHostValue, "127.0.0.1:" + std::to_string(servers.WebPort()));
  std::map<std::string, std::string> env = {{"XDG_CONFIG_HOME", config_.Path()},
                                            {"SDL_AUDIODRIVER", "dummy"},
                                            {"PATH", FakeBrowser() + ":/usr/bin:/bin"}};
  const std::string faketime = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1";
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
  const bool fast_clock = std::filesystem::exists(faketime);
  const auto due = 2s;
#else
  // The sanitizers' runtimes must come first, so their builds check only the first refresh, and
  // they run several times slower.
  const bool fast_clock = false;
  const auto due = 10s;
#endif
  if (fast_clock) {
    env["LD_PRELOAD"] = faketime;
    env["FAKETIME"] = "@2026-12-07 10:00:00 x300";
    env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1";
  }
  const auto arrived = [&](const std::string& what) {
    return servers.WebLog().find(what) != std::string::npos;
  };
  testing::ChildProcess saver({LUNVALE_EXE, "/s"}, env);
  auto window = testing::WaitForWindow("Lunvale Screensaver", 20s);
  ASSERT_TRUE(window.has_value()) << saver.Stderr();
  const auto shown = Clock::now();
  while (!arrived("GET /news.xml") && Clock::now() - shown < 20s) std::this_thread::sleep_for(20ms);
  EXPECT_LT(Clock::now() - shown, due) << "the feeds came late";
  // What the proxy received, and what it passed on to the server.
  const std::string web = "http://127.0.0.1:" + std::to_string(servers.WebPort());
  EXPECT_NE(servers.ProxyLog().find("GET " + web + "/forecastrss?p=20001&u=f HTTP/1.0"), std::string::npos);
  EXPECT_NE(servers.ProxyLog().find("GET " + web + "/news.xml HTTP/1.0"), std::string::npos);
  EXPECT_EQ(servers.CountInWebLog("GET /forecastrss?p=20001&u=f HTTP/1.0|127.0.0.1"), 1) << servers.WebLog();
  EXPECT_EQ(servers.CountInWebLog("lunvale-test-proxy"), 2) << "not through the proxy";
  EXPECT_TRUE(testing::WaitUntilLit(500, 10, 400, 60, 60s));
  std::this_thread::sleep_for(300ms);

  // Plate places with all three gadgets: ticker at x 0, weather at x 571; y 698.
  int w = 0, h = 0;
  const std::vector<uint32_t> first = testing::ScreenshotRoot(w, h, "/tmp/lunvale-feeds-1.png");
  const auto today_icon = [&](const std::vector<uint32_t>& shot) {
    return testing::Crop(shot, w, 665, 706, 52, 52);
  };
  const auto tomorrow_icon = [&](const std::vector<uint32_t>& shot) {
    return testing::Crop(shot, w, 777, 706, 52, 52);
  };
  const auto texts = [&](const std::vector<uint32_t>& shot) {
    return testing::Crop(shot, w, 724, 725, 160, 25);
  };
  const auto channel = [&](const std::vector<uint32_t>& shot) {
    return testing::Crop(shot, w, 90, 703, 300, 20);
  };
  if (w == 1024 && h == 768) {
    // Codes 34 and 30 show two pictures; "not available" would show the same one twice.
    EXPECT_NE(today_icon(first), tomorrow_icon(first));
  }

  if (fast_clock) {
    servers.Put("forecast-20001-f.xml", Weather(11, 9, 12, 3, 8));
    servers.Put("news.xml", News("Thaw"));
    const auto start = Clock::now();
    while (servers.CountInWebLog("GET /news.xml") < 2 && Clock::now() - start < 30s) {
      std::this_thread::sleep_for(50ms);
    }
    EXPECT_EQ(servers.CountInWebLog("GET /news.xml"), 2) << "no refresh";
    std::this_thread::sleep_for(500ms);
    const std::vector<uint32_t> second = testing::ScreenshotRoot(w, h, "/tmp/lunvale-feeds-2.png");
    if (w == 1024 && h == 768) {
      EXPECT_NE(today_icon(first), today_icon(second));
      EXPECT_NE(tomorrow_icon(first), tomorrow_icon(second));
      EXPECT_NE(texts(first), texts(second));
      EXPECT_EQ(channel(first), channel(second));  // the same channel title
    }
  }

  testing::SendKey(*window, "F2");
  // Once more if the key went astray (the focus can move while other tests start programs).
  const auto sent = Clock::now();
  while (saver.Running() && Clock::now() - sent < 5s) std::this_thread::sleep_for(50ms);
  if (saver.Running()) testing::SendKey(*window, "F2");
  EXPECT_EQ(saver.Wait(15s), 0) << saver.Stderr();
  for (int i = 0; i < 50 && Opened().empty(); ++i) std::this_thread::sleep_for(100ms);
  EXPECT_EQ(Opened(), "http://news.test/lake?a=1&b=2\n");
}

// Frame `code` of the weather pictures as committed, as 0x00RRGGBB pixels.
std::vector<uint32_t> WeatherPicture(int code) {
  SDL_Surface* strip = SDL_LoadBMP(LUNVALE_SOURCE_DIR "/assets/QMV3Weather.bmp");
  if (strip == nullptr) return {};
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(strip, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(strip);
  std::vector<uint32_t> picture;
  for (int y = code * 52; y < (code + 1) * 52 && rgb != nullptr; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
    for (int x = 0; x < 52; ++x) picture.push_back(row[x] & 0xFFFFFF);
  }
  SDL_FreeSurface(rgb);
  return picture;
}

TEST_F(SceneFeedsOnX, TheForecastServiceByCoordinatesFillsTheWeatherGadget) {
  LUNVALE_REQUIRE_DISPLAY();
  testing::FeedServers servers(true);  // the service over https, as the built-in address asks it
  // Washington, DC in Celsius, at night: partly cloudy now (the night's picture), snow tomorrow.
  servers.Put(
      "forecast-38.8951,-77.0364-celsius.json",
      R"({"latitude":38.89037,"longitude":-77.03196,"utc_offset_seconds":-18000,"current_units":)"
      R"({"temperature_2m":"°C"},"current":{"time":"2026-12-07T21:45","interval":900,)"
      R"("temperature_2m":-2.6,"weather_code":2,"is_day":0},"daily_units":{"weather_code":"wmo code"},)"
      R"("daily":{"time":["2026-12-07","2026-12-08"],"weather_code":[3,73],"temperature_2m_max":)"
      R"([7.2,3.6],"temperature_2m_min":[0.6,-8.4]}})");
  servers.Put("news.xml", News("Gulls return to the lake,Ferry timetable changes,Ice &amp; snow"));
  store_.WriteAKey("TDegree", "c");
  store_.WriteAKey("RSS_Url", servers.Url("/news.xml"));
  store_.WriteAKey(fetcher::kWeatherApiValue, servers.SecureUrl(""));
  testing::ChildProcess saver({LUNVALE_EXE, "/s"}, {{"XDG_CONFIG_HOME", config_.Path()},
                                                    {"SDL_AUDIODRIVER", "dummy"},
                                                    {"SSL_CERT_FILE", servers.AuthorityFile()},
                                                    {"PATH", FakeBrowser() + ":/usr/bin:/bin"}});
  auto window = testing::WaitForWindow("Lunvale Screensaver", 20s);
  ASSERT_TRUE(window.has_value()) << saver.Stderr();
  const auto shown = Clock::now();
  while (servers.WebLog().find("GET /news.xml") == std::string::npos && Clock::now() - shown < 20s) {
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_EQ(servers.CountInWebLog("GET /v1/forecast?latitude=38.8951&longitude=-77.0364&"), 1)
      << servers.WebLog();
  EXPECT_EQ(servers.CountInWebLog("temperature_unit=celsius&"), 1);
  EXPECT_TRUE(testing::WaitUntilLit(500, 10, 400, 60, 60s));
  std::this_thread::sleep_for(500ms);
  int w = 0, h = 0;
  const std::vector<uint32_t> shot = testing::ScreenshotRoot(w, h, "/tmp/lunvale-forecast.png");
  if (w == 1024 && h == 768) {
    // The weather plate at x 571: the pictures as committed, the texts as once looked at.
    EXPECT_EQ(testing::Crop(shot, w, 665, 706, 52, 52), WeatherPicture(29));
    EXPECT_EQ(testing::Crop(shot, w, 777, 706, 52, 52), WeatherPicture(16));
    const platform::PixelView view{const_cast<uint32_t*>(shot.data()), w, h, w};
    EXPECT_EQ(testing::ReferenceDifferences(view, 724, 727, 180, 22, "feeds/forecast-texts"), 0);
  }
  testing::SendKey(*window, "F3");
  EXPECT_EQ(saver.Wait(15s), 0) << saver.Stderr();
  for (int i = 0; i < 50 && Opened().empty(); ++i) std::this_thread::sleep_for(100ms);
  EXPECT_EQ(Opened(), "https://www.yr.no/en/forecast/daily-table/38.8951,-77.0364\n");
}

}  // namespace
}  // namespace lunvale::scene
