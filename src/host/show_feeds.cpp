// SPDX-License-Identifier: MIT
#include "host/show_feeds.h"

#include <exception>
#include <iterator>
#include <string>

#include "fetcher/feed_fetcher.h"
#include "gadgets/news_ticker.h"
#include "gadgets/weather.h"
#include "net/http_client.h"
#include "platform/app/component.h"
#include "settings/settings_store.h"

namespace lunvale::host {

namespace {

// The weather pictures' condition codes, as the weather service named them; 48 is "not available".
// clang-format off
constexpr const char* kConditionNames[] = {
    /*  0 */ "tornado", "tropical storm", "hurricane", "severe thunderstorms", "thunderstorms",
    /*  5 */ "mixed rain and snow", "mixed rain and sleet", "mixed snow and sleet", "freezing drizzle",
    /*  9 */ "drizzle", "freezing rain", "showers", "showers", "snow flurries", "light snow showers",
    /* 15 */ "blowing snow", "snow", "hail", "sleet", "dust", "foggy", "haze", "smoky", "blustery",
    /* 24 */ "windy", "cold", "cloudy", "mostly cloudy (night)", "mostly cloudy (day)",
    /* 29 */ "partly cloudy (night)", "partly cloudy (day)", "clear (night)", "sunny", "fair (night)",
    /* 34 */ "fair (day)", "mixed rain and hail", "hot", "isolated thunderstorms",
    /* 38 */ "scattered thunderstorms", "scattered thunderstorms", "scattered showers", "heavy snow",
    /* 42 */ "scattered snow showers", "heavy snow", "partly cloudy", "thundershowers", "snow showers",
    /* 47 */ "isolated thundershowers", "not available"};
// clang-format on
static_assert(std::size(kConditionNames) == gadgets::TQGW::kNotAvailable + 1);

// A temperature as the gadget shows it, with the unit asked for; "NA" stays as it is.
std::string Degrees(const std::string& value, const std::string& unit) {
  return value == "NA" ? value : value + unit;
}

std::string Condition(int32_t code) {
  const char* name =
      code >= 0 && code <= gadgets::TQGW::kNotAvailable ? kConditionNames[code] : "not available";
  return std::to_string(code) + " (" + name + ")";
}

void Heading(std::FILE* out, const char* feed, bool shown, const fetcher::WeatherHTTP::Report& report) {
  std::fprintf(out, "%s%s: %s\n", feed, shown ? "" : " (gadget not shown)",
               report.url.empty() ? "nothing to ask" : report.url.c_str());
  if (!report.error.empty()) std::fprintf(out, "  error: %s\n", report.error.c_str());
}

}  // namespace

bool IsShowFeedsRequest(std::string_view argument1) {
  return argument1 == "--show-feeds" || argument1 == "-show-feeds";
}

int ShowFeeds(std::FILE* out) {
  try {
    settings::SettingsStore store;
    store.SetBrandName(settings::kBrandName);
    store.SetSSName(settings::kSSName);
    store.SetRegistry();
    platform::TComponent owner(nullptr);
    auto* weather = new gadgets::TQGW(&owner);
    auto* news = new gadgets::TQGR(&owner);
    net::THTTPClient client;
    std::string link;
    fetcher::WeatherHTTP::Targets targets{
        &client, &store, weather, news, [&] { return link; }, [&](const std::string& l) { link = l; }};
    fetcher::WeatherHTTP fetcher(targets, fetcher::WeatherHostSetting(store), {},
                                 fetcher::WeatherApiSetting(store));
    fetcher.FetchWeather();
    fetcher.FetchNews();

    const bool show_weather = store.GetShowWeather() != 0, show_news = store.GetShowNews() != 0;
    const std::string unit = store.GetTDegree() == "c" ? "\u00b0C" : "\u00b0F";
    Heading(out, "Weather", show_weather, fetcher.WeatherReport());
    std::fprintf(out, "  today:    %s, now %s\n", Condition(weather->GetTodayCode()).c_str(),
                 Degrees(weather->GetTodayNow(), unit).c_str());
    std::fprintf(out, "  tomorrow: %s, low %s, high %s\n", Condition(weather->GetTomorrowCode()).c_str(),
                 Degrees(weather->GetTomorrowLow(), unit).c_str(),
                 Degrees(weather->GetTomorrowHi(), unit).c_str());
    Heading(out, "News", show_news, fetcher.NewsReport());
    std::fprintf(out, "  name:   %s\n  line:   %s\n  F2 opens: %s\n", news->GetNameNews().c_str(),
                 news->GetRssLine().c_str(), link.empty() ? "nothing" : link.c_str());

    const bool weather_ok = fetcher.WeatherReport().error.empty();
    const bool news_ok = fetcher.NewsReport().error.empty();
    const bool neither = !show_weather && !show_news;
    return ((show_weather || neither) && !weather_ok) || ((show_news || neither) && !news_ok) ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lunvale: %s\n", e.what());
    return 1;
  }
}

}  // namespace lunvale::host
