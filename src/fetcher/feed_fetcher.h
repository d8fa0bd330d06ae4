// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "feeds/feed_readers.h"
#include "gadgets/news_ticker.h"
#include "gadgets/weather.h"
#include "net/http_client.h"
#include "settings/settings_store.h"

namespace lunvale::fetcher {

// The optional text value of the saver's key naming the host (a name, or a name and ":port") of a
// weather feed of the weather service's kind. Without it the weather comes by the location's
// coordinates from the forecast service.
inline constexpr char kWeatherHostValue[] = "WeatherHost";
// The optional text value with the forecast service's base address ("http://" or "https://", the
// host and any path); absent or empty: kForecastApi.
inline constexpr char kWeatherApiValue[] = "WeatherApi";
inline constexpr char kForecastApi[] = "https://api.open-meteo.com";
// Each network wait of a download, in milliseconds.
inline constexpr int kFeedTimeOut = 5000;
// Minute changes between two refreshes.
inline constexpr int32_t kRefreshMinutes = 30;

// The host from "WeatherHost" under the store's key; empty when absent or unreadable.
std::string WeatherHostSetting(const settings::SettingsStore& settings);
// The forecast service's address from "WeatherApi": kForecastApi when absent or empty; empty when the
// value cannot be an address (not http:// or https://, control bytes, not a text).
std::string WeatherApiSetting(const settings::SettingsStore& settings);

// The feed fetcher. Its thread only paces the work: every 10 ms, until Terminate, it reads the minute
// and has the main thread run the tick through the application's synchronise call when the tick has
// something to do (the first one, another minute, a refresh due). Every download and all parsing run
// on the main thread, inside the tick; the client's waits keep the windows served.
//
// At the first tick and after every kRefreshMinutes changes of the local minute the tick fetches the
// weather (when its gadget is shown) and the news (when the ticker is shown) and hands the values to
// the gadgets' setters and the news link to its holder. A download that fails in any way (network,
// an https or empty URL, a proxy port or a weather code that is not a number, too many redirects)
// shows nothing and keeps every value; the other download and the later refreshes still run. A
// forecast by coordinates that cannot be asked for (a location the table does not know, an unusable
// service address) shows the "not available" values, as a reply that cannot be read does.
class WeatherHTTP {
 public:
  // The local time's minute, 0..59; tests inject their own. Called on the fetcher's thread while it runs.
  using MinuteClock = std::function<int()>;

  // What the fetcher works on; all of it lives longer than the fetcher and is used on the main thread.
  struct Targets {
    net::THTTPClient* client = nullptr;
    const settings::SettingsStore* settings = nullptr;
    gadgets::TQGW* weather = nullptr;  // also keeps the schedule's RefreshCounter
    gadgets::TQGR* news = nullptr;
    std::function<std::string()> get_news_link;
    std::function<void(const std::string&)> set_news_link;
  };

  // `weather_host`: the weather feed's host; empty: the forecast by coordinates from the service at
  // `forecast_api` (as WeatherApiSetting gives it; empty: none can be asked).
  WeatherHTTP(Targets targets, std::string weather_host, MinuteClock clock = {},
              std::string forecast_api = kForecastApi);
  // Terminates and waits for the thread, serving its last tick request if it must.
  ~WeatherHTTP();
  WeatherHTTP(const WeatherHTTP&) = delete;
  WeatherHTTP& operator=(const WeatherHTTP&) = delete;

  // Starts the thread (once).
  void Start();
  // Main thread: sets the terminated flag and cancels a download in progress, so that the exit is
  // not held up by it; does not wait. Ticks still queued do nothing.
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // The thread's loop has ended.
  bool Finished() const { return finished_.load(); }

  // One tick of the schedule (main thread), in the clock's minute.
  void SyncTick();
  void FetchWeather();
  void FetchNews();

  // What the last download of a feed came to: the address asked for (empty when there was none to
  // ask) and, when the gadget got nothing from it, why. Main thread.
  struct Report {
    std::string url;
    std::string error;
  };
  const Report& WeatherReport() const { return weather_report_; }
  const Report& NewsReport() const { return news_report_; }

  int32_t GetLastMinute() const { return last_minute_; }
  const std::string& WeatherHost() const { return weather_host_; }

 private:
  void Execute();
  void Tick(int minute);
  // Sets the client up and gets `url`; false, with the client reset and the failure in the report,
  // when the download failed.
  bool Download(const std::string& url, Report& report);
  // Why a reply gave the gadget nothing, with the reply's status.
  std::string Unreadable(std::string_view what) const;

  Targets targets_;
  std::string weather_host_;
  std::string forecast_api_;
  const bool wall_clock_;  // no clock was given: the minute is the local time's
  MinuteClock clock_;
  int32_t last_minute_ = 0;
  bool downloading_ = false;
  Report weather_report_;
  Report news_report_;
  std::atomic<bool> refresh_due_ = false;  // the last tick left the counter at 0
  std::atomic<bool> terminated_ = false;
  // The thread waits between looks at the clock here, and terminating wakes it.
  std::mutex wait_mutex_;
  std::condition_variable wake_;
  std::atomic<bool> finished_ = false;
  std::thread thread_;
};

}  // namespace lunvale::fetcher
