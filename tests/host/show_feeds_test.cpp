// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "fetcher/feed_fetcher.h"
#include "settings/settings_store.h"
#include "settings/temp_config_home.h"
#include "support/feed_servers.h"
#include "support/process.h"

namespace lunvale {
namespace {

using namespace std::chrono_literals;

class ShowFeeds : public testing_support::TempConfigHome {};

// The saver's fetcher through the real web server and proxy, without a display.
TEST_F(ShowFeeds, PrintsWhatTheGadgetsWouldShowOrWhyNot) {
  testing::FeedServers servers;
  servers.Put("forecast-20001-f.xml",
              "<?xml version=\"1.0\"?><rss><channel><yweather:condition code=\"34\" temp=\"75\"/>"
              "<yweather:forecast low=\"1\" high=\"2\" code=\"3\"/><yweather:forecast low=\"58\" high=\"78\" "
              "code=\"30\"/></channel></rss>");
  servers.Put("news.xml", testing::ReadFile(LUNVALE_SOURCE_DIR "/fuzz/corpus/feed/atom.xml"));
  settings::SettingsStore store;
  store.SetBrandName(settings::kBrandName);
  store.SetSSName(settings::kSSName);
  store.SetRegistry();
  store.WriteRKey("ShowNews", 1);
  store.WriteRKey("UseProxy", 1);
  store.WriteAKey("Proxy", "127.0.0.1");
  store.WriteAKey("Port", std::to_string(servers.ProxyPort()));
  store.WriteAKey(fetcher::kWeatherHostValue, "127.0.0.1:" + std::to_string(servers.WebPort()));
  store.WriteAKey("RSS_Url", servers.Url("/news.xml"));
  const auto run = [](int expected_status) {
    testing::ChildProcess show({LUNVALE_EXE, "--show-feeds"}, {{"DISPLAY", ""}});
    EXPECT_EQ(show.Wait(30s), expected_status) << show.Stderr();
    return show.Stdout();
  };
  const std::string web = "http://127.0.0.1:" + std::to_string(servers.WebPort());
  EXPECT_EQ(
      run(0),
      "Weather (gadget not shown): " + web +
          "/forecastrss?p=20001&u=f\n"
          "  today:    34 (fair (day)), now 75\u00b0F\n"
          "  tomorrow: 30 (partly cloudy (day)), low 58\u00b0F, high 78\u00b0F\n"
          "News: " +
          web +
          "/news.xml\n"
          "  name:   Jane's Blog\n"
          "  line:     ***  Rust & C++: a comparison  ***  Release 2.0 is out  ***  Plain entry  ***  \n"
          "  F2 opens: https://blog.example.net/?from=atom&lang=en\n");
  EXPECT_EQ(servers.CountInWebLog("lunvale-test-proxy"), 2) << "not through the proxy";

  // A page that is no feed fails the shown gadget; the hidden weather's failure alone would not.
  store.WriteAKey("RSS_Url", servers.Url("/missing.xml"));
  EXPECT_NE(
      run(1).find("News: " + web + "/missing.xml\n  error: the reply (HTTP/1.1 404 Not Found) is not an RSS"),
      std::string::npos);
  store.WriteAKey("RSS_Url", servers.Url("/news.xml"));
  store.WriteAKey(fetcher::kWeatherHostValue, "127.0.0.1:" + std::to_string(servers.WebPort()) + "/none");
  EXPECT_NE(run(0).find("Weather (gadget not shown): "), std::string::npos);
}

}  // namespace
}  // namespace lunvale
