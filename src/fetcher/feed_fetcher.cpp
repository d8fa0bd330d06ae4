// SPDX-License-Identifier: MIT
#include "fetcher/feed_fetcher.h"

#include <pthread.h>
#include <time.h>

#include <chrono>
#include <stdexcept>

#include "feeds/coordinate_forecast.h"
#include "net/url_reference.h"
#include "platform/app/application.h"
#include "platform/system/conversions.h"
#include "platform/system/registry.h"
#include "platform/system/time_format.h"

namespace lunvale::fetcher {

using feeds::ForecastURL;
using feeds::NewsReading;
using feeds::ReadForecast;
using feeds::ReadNews;
using feeds::ReadWeather;
using feeds::UsableServiceAddress;
using feeds::WeatherReading;
using feeds::WeatherURL;

namespace {

constexpr int32_t kNotAvailableCode = gadgets::TQGW::kNotAvailable;
constexpr char kNotAvailableText[] = "NA";

int LocalMinute() {
  const time_t now = time(nullptr);
  tm local{};
  platform::LocalTime(now, local);
  return local.tm_min;
}

}  // namespace

std::string WeatherHostSetting(const settings::SettingsStore& settings) {
  std::string host;
  try {
    settings.ReadAKey(kWeatherHostValue, host);
  } catch (const platform::ERegistryException&) {
    host.clear();  // an optional value of the wrong type is no reason to stop the saver
  }
  return host;
}

std::string WeatherApiSetting(const settings::SettingsStore& settings) {
  std::string address;
  try {
    settings.ReadAKey(kWeatherApiValue, address);
  } catch (const platform::ERegistryException&) {
    return "";  // set, but not to a text: no address the user meant can be guessed
  }
  if (address.empty()) return kForecastApi;
  return UsableServiceAddress(address) ? address : "";
}

WeatherHTTP::WeatherHTTP(Targets targets, std::string weather_host, MinuteClock clock,
                         std::string forecast_api)
    : targets_(std::move(targets)),
      weather_host_(std::move(weather_host)),
      forecast_api_(std::move(forecast_api)),
      wall_clock_(!clock),
      clock_(clock ? std::move(clock) : MinuteClock(LocalMinute)) {}

WeatherHTTP::~WeatherHTTP() {
  {
    std::lock_guard lock(wait_mutex_);
    terminated_ = true;
  }
  wake_.notify_all();
  if (!thread_.joinable()) return;
  // The thread may be waiting for a tick request that only the main thread's queue can answer.
  auto& app = platform::Application::Instance();
  while (!finished_) {
    if (app.IsMainThread()) app.ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  thread_.join();
}

void WeatherHTTP::Start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { Execute(); });
}

namespace {
// How often the thread looks at the clock: the wall clock's minute is seen within a quarter of a second
// of its change, which is plenty for a schedule of minutes and lets the thread sleep; a clock given for
// tests, or a refresh to make, is looked at every 10 ms.
constexpr auto kPace = std::chrono::milliseconds(250);
constexpr auto kQuickPace = std::chrono::milliseconds(10);
}  // namespace

void WeatherHTTP::Execute() {
  pthread_setname_np(pthread_self(), "lunvale-feeds");
  auto& app = platform::Application::Instance();
  bool first = true;
  int seen = 0;
  while (!terminated_) {
    // The thread wakes the main thread only for a tick that has something to do: the first one, one
    // that sees another minute, and the one after the counter came round to a refresh. The others would
    // only compare the minute with itself; asking for them every millisecond was most of the saver's
    // idle cost.
    const int minute = clock_();
    if (first || minute != seen || refresh_due_.load()) {
      // False once the message loop has ended: nothing will run ticks any more.
      if (!app.Synchronize([this, minute] { Tick(minute); })) break;
      first = false;
      seen = minute;
    }
    const auto until = std::chrono::steady_clock::now() + (wall_clock_ && !refresh_due_ ? kPace : kQuickPace);
    std::unique_lock lock(wait_mutex_);
    wake_.wait_until(lock, until, [this] { return terminated_.load(); });
  }
  finished_ = true;
}

void WeatherHTTP::Terminate() {
  {
    std::lock_guard lock(wait_mutex_);
    terminated_ = true;
  }
  wake_.notify_all();
  if (downloading_) targets_.client->Abort();
}

void WeatherHTTP::SyncTick() {
  Tick(clock_());
}

void WeatherHTTP::Tick(int minute) {
  if (terminated_) return;
  gadgets::TQGW& gadget = *targets_.weather;
  const settings::SettingsStore& settings = *targets_.settings;
  if (gadget.GetRefreshCounter() == 0) {
    if (settings.GetShowWeather() != 0) FetchWeather();
    if (settings.GetShowNews() != 0 && !terminated_) FetchNews();
    gadget.SetRefreshCounter(1);
  }
  // A start in minute 0 counts no change at the first tick; any other start counts one.
  if (minute != last_minute_) gadget.SetRefreshCounter(gadget.GetRefreshCounter() + 1);
  if (gadget.GetRefreshCounter() > kRefreshMinutes) gadget.SetRefreshCounter(0);
  last_minute_ = minute;
  refresh_due_ = gadget.GetRefreshCounter() == 0;
}

bool WeatherHTTP::Download(const std::string& url, Report& report) {
  report = Report{url, ""};
  net::THTTPClient& client = *targets_.client;
  const settings::SettingsStore& settings = *targets_.settings;
  downloading_ = true;
  try {
    // Before every download, the news one too: no wait on the main thread goes without a time-out.
    client.SetTimeOut(kFeedTimeOut);
    client.SetInputFileMode(false);
    client.SetOutputFileMode(false);
    client.SetReportLevel(2);
    client.SetSecureAllowed(true);
    if (settings.GetUseProxy() != 0) {
      const int32_t port = platform::StrToInt(settings.GetPort());
      client.SetProxy(settings.GetProxy());
      client.SetProxyPort(port);
    }
    client.Get(url);
    downloading_ = false;
    return true;
  } catch (const std::runtime_error& e) {
    // Network failures, and the settings the client cannot use, end only this download.
    downloading_ = false;
    report.error = e.what();
    try {
      client.Disconnect();
    } catch (const net::ESockError&) {
      // no fresh socket now; the next request's connect makes one
    }
    client.Abort();
    return false;
  }
}

std::string WeatherHTTP::Unreadable(std::string_view what) const {
  const std::string header = targets_.client->GetHeader();
  return "the reply (" + header.substr(0, header.find_first_of("\r\n")) + ") is not " + std::string(what);
}

void WeatherHTTP::FetchWeather() {
  const settings::SettingsStore& settings = *targets_.settings;
  const bool feed = !weather_host_.empty();
  std::optional<std::string> url;
  if (feed) {
    url = WeatherURL(weather_host_, settings.GetWeatherCode(), settings.GetTDegree());
  } else if (!forecast_api_.empty()) {
    url = ForecastURL(forecast_api_, settings.GetWeatherCode(), settings.GetTDegree());
  }
  // Without a place or a service to ask there is no weather to show, rather than another place's.
  WeatherReading reading;
  weather_report_ = Report{"", "no forecast can be asked for: the place or the service address is unknown"};
  if (url) {
    if (!Download(*url, weather_report_)) return;
    const std::string& body = targets_.client->GetBody();
    reading = feed ? ReadWeather(body) : ReadForecast(body);
    if (!reading.weather) weather_report_.error = Unreadable("a forecast");
  }
  gadgets::TQGW& gadget = *targets_.weather;
  if (!reading.weather) {
    gadget.SetTodayCode(kNotAvailableCode);
    gadget.SetTomorrowCode(kNotAvailableCode);
    gadget.SetTodayNow(kNotAvailableText);
    gadget.SetTomorrowHi(kNotAvailableText);
    gadget.SetTomorrowLow(kNotAvailableText);
    return;
  }
  // Both codes are checked before anything is shown: a reply with a bad one changes nothing.
  int32_t today = 0, tomorrow = 0;
  try {
    today = platform::StrToInt(reading.today_code);
    tomorrow = platform::StrToInt(reading.tomorrow_code);
  } catch (const platform::EConvertError&) {
    weather_report_.error = "a condition code is not a number";
    return;
  }
  gadget.SetTodayCode(today);
  gadget.SetTomorrowCode(tomorrow);
  gadget.SetTodayNow(reading.today_now);
  gadget.SetTomorrowLow(reading.tomorrow_low);
  gadget.SetTomorrowHi(reading.tomorrow_hi);
}

void WeatherHTTP::FetchNews() {
  if (!Download(targets_.settings->GetRSS_Url(), news_report_)) return;
  const NewsReading reading = ReadNews(targets_.client->GetBody());
  gadgets::TQGR& ticker = *targets_.news;
  if (!reading.accepted) {
    news_report_.error = Unreadable("an RSS, RSS 1.0 or Atom feed");
    ticker.SetRssLine(gadgets::TQGR::kNotAvailable);
    return;
  }
  // Without a link the one held is kept; a relative one is taken from the feed's address and the
  // xml:base values in force.
  if (reading.link) {
    std::string base = targets_.client->AbsoluteURL();
    for (const std::string& outer : reading.link_bases) base = net::ResolveReference(base, outer);
    targets_.set_news_link(net::ResolveReference(base, *reading.link));
  }
  ticker.SetNameNews(reading.name);
  ticker.SetRssLine(reading.line);
}

}  // namespace lunvale::fetcher
