// SPDX-License-Identifier: MIT
#pragma once

// The fetcher's tests share one fixture: the fetcher on its own client, gadgets and empty settings.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fetcher/feed_fetcher.h"
#include "platform/app/application.h"
#include "support/scratch.h"

namespace lunvale::fetcher {

inline const std::string kWeather =
    "<?xml version=\"1.0\"?><rss><channel><title>Weather</title>"
    "<yweather:condition text=\"Fair\" code=\"34\" temp=\"75\" />"
    "<yweather:forecast day=\"Mon\" low=\"60\" high=\"80\" code=\"32\" />"
    "<yweather:forecast day=\"Tue\" low=\"58\" high=\"78\" code=\"30\" />"
    "</channel></rss>";

inline std::string Feed(const std::string& channel_title, const std::string& items) {
  return "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>" + channel_title +
         "</title><link>http://news.test/?a=1&amp;b=2</link>" + items + "</channel></rss>";
}

// The fetcher on its own client, gadgets and settings, with a minute the test sets.
class WeatherHTTPTest : public ::testing::Test {
 protected:
  void SetUp() override {
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

  testing::ScratchSettings settings_;  // before the store that reads them
  platform::TComponent owner_{nullptr};
  gadgets::TQGW* weather_ = new gadgets::TQGW(&owner_);
  gadgets::TQGR* news_ = new gadgets::TQGR(&owner_);
  net::THTTPClient client_;
  settings::SettingsStore store_;
  std::string link_ = "kept";
  int minute_ = 0;
  std::unique_ptr<WeatherHTTP> fetcher_;
};

}  // namespace lunvale::fetcher
