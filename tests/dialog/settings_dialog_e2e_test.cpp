// SPDX-License-Identifier: MIT
// The configuration mode as a user drives it: the dialog on a real X server, mouse and keys by xdotool.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "data/location_table.h"
#include "settings/settings_store.h"
#include "support/http_test_server.h"
#include "support/process.h"
#include "support/test_x_server.h"

namespace lunvale::testing {
namespace {

using namespace std::chrono_literals;

void Xdo(const std::vector<std::string>& args) {
  std::vector<std::string> argv{"/usr/bin/xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  RunAndCapture(argv, 5s);
  std::this_thread::sleep_for(300ms);
}

// Clicks the point (x, y) of the 539 x 576 dialog where the dialog shown at `g` shows it.
void ClickIn(const Geometry& g, int x, int y) {
  Xdo({"mousemove", std::to_string(g.x + x * g.width / 539), std::to_string(g.y + y * g.height / 576)});
  Xdo({"click", "1"});
}

// Ticks "Show Weather Information" and presses OK, then checks that the dialog ended and stored it.
void TickWeatherAndOk(const Geometry& g, ChildProcess& dialog, const TempDir& config) {
  ClickIn(g, 22 + 87 + 86 + 8, 181 + 103 + 76 + 9);
  ClickIn(g, 442 + 38, 539 + 13);
  ASSERT_EQ(dialog.Wait(10s), 0) << dialog.Stderr();
  ScopedEnv home("XDG_CONFIG_HOME", config.Path());
  int32_t shown = 0;
  settings::ReadRKey(settings::KeyPath(settings::kBrandName, settings::kSSName), "ShowWeather", shown);
  EXPECT_EQ(shown, 1);
}

TEST(SettingsDialogOnX, FaderBoxPlaceAndChannelPickedThenOkStoresThem) {
  LUNVALE_REQUIRE_DISPLAY();
  TempDir config;
  ScopedEnv home("XDG_CONFIG_HOME", config.Path());
  test::HttpTestServer feed(test::HttpTestServer::Serve(test::HttpTestServer::Reply(
                                200, "OK", "", "<rss version=\"2.0\"><title>Local</title></rss>")),
                            60s);
  const std::string key = settings::KeyPath(settings::kBrandName, settings::kSSName);
  settings::SettingsStore first;
  first.SetBrandName(settings::kBrandName);
  first.SetSSName(settings::kSSName);
  first.SetRegistry();
  settings::WriteAKey(key, "RSS_Url", feed.Url("/rss"));

  ChildProcess dialog({LUNVALE_EXE, "/c"}, {{"XDG_CONFIG_HOME", config.Path()}, {"QT_QPA_PLATFORM", "xcb"}});
  const auto window = WaitForWindow("Screensaver Configuration", 20s);
  ASSERT_TRUE(window.has_value()) << dialog.Stderr();
  const auto g = WindowGeometry(*window);
  ASSERT_TRUE(g.has_value());
  ASSERT_EQ(g->width, 539);
  std::this_thread::sleep_for(500ms);
  // Points of the dialog, and of a page, whose client area starts at (22,181) of the dialog.
  const auto at = [&](int x, int y) {
    return std::vector<std::string>{std::to_string(g->x + x), std::to_string(g->y + y)};
  };
  const auto page = [&](int x, int y) { return at(22 + x, 181 + y); };
  const auto click = [&](std::vector<std::string> point) {
    Xdo({"mousemove", point[0], point[1]});
    Xdo({"click", "1"});
  };
  const auto pick = [&](std::vector<std::string> list, const std::string& name) {
    click(list);
    Xdo({"type", "--delay", "60", name});
    Xdo({"key", "Return"});
  };

  // The volume knob (at 165 * 200 / 256 = 128 on its track) dragged to x = 100: 128.
  const auto knob = page(201 + 128 + 17, 61 + 11);
  Xdo({"mousemove", knob[0], knob[1]});
  Xdo({"mousedown", "1"});
  const auto to = page(201 + 100, 61 + 11);
  Xdo({"mousemove", to[0], to[1]});
  Xdo({"mouseup", "1"});
  click(page(87 + 86 + 8, 103 + 76 + 9));  // "Show Weather Information"

  click(at(172, 169));  // "Weather"
  pick(page(71 + 100, 90), "Canada");
  pick(page(71 + 100, 145), "Toronto");

  click(at(257, 169));  // "RSS News"
  std::this_thread::sleep_for(500ms);
  pick(page(71 + 100, 174 + 10), "Technology");
  pick(page(71 + 100, 225 + 10), "Ars");

  click(at(442 + 38, 539 + 13));  // OK
  ASSERT_EQ(dialog.Wait(10s), 0) << dialog.Stderr();

  std::string toronto;
  for (const data::CityEntry& city : data::Cities()) {
    if (city.country == 37 && std::strncmp(city.name, "Toronto", 7) == 0) {
      toronto = city.code;
      break;
    }
  }
  settings::SettingsStore saver;
  saver.SetBrandName(settings::kBrandName);
  saver.SetSSName(settings::kSSName);
  saver.SetRegistry();
  EXPECT_EQ(saver.SoundVolume(), 128);
  EXPECT_EQ(saver.Brightness(), 256);
  EXPECT_EQ(saver.GetShowWeather(), 1);
  EXPECT_EQ(saver.GetWeatherCode(), toronto);
  EXPECT_EQ(saver.GetRSS_Url(), "https://feeds.arstechnica.com/arstechnica/index");
}

TEST(SettingsDialogOnX, AtTwiceTheScaleOnA1920x1080ScreenItFitsAndOkStillSaves) {
  PrivateXServer xvfb("1920x1080x24");
  ASSERT_FALSE(xvfb.Name().empty()) << xvfb.Stderr();
  ScopedEnv display("DISPLAY", xvfb.Name());
  TempDir config;
  ChildProcess dialog({LUNVALE_EXE, "/c"}, {{"XDG_CONFIG_HOME", config.Path()},
                                            {"QT_QPA_PLATFORM", "xcb"},
                                            {"QT_SCALE_FACTOR", "2"},
                                            {"DISPLAY", xvfb.Name()}});
  const auto window = WaitForWindow("Screensaver Configuration", 20s);
  ASSERT_TRUE(window.has_value()) << dialog.Stderr();
  std::this_thread::sleep_for(1s);
  const auto g = WindowGeometry(*window);
  ASSERT_TRUE(g.has_value());
  EXPECT_GE(g->x, 0);
  EXPECT_GE(g->y, 0);
  EXPECT_LE(g->x + g->width, 1920);
  EXPECT_LE(g->y + g->height, 1080);
  EXPECT_NEAR(g->width * 576.0 / 539, g->height, 2.0) << "scaled as a whole";
  TickWeatherAndOk(*g, dialog, config);
}

TEST(SettingsDialogOnX, MovedToATooSmallMonitorItRefitsThereAndBackAgain) {
  PrivateXServer xvfb("2720x1080x24");
  ASSERT_FALSE(xvfb.Name().empty()) << xvfb.Stderr();
  ASSERT_TRUE(SetMonitors(xvfb.Name(), {{0, 0, 1920, 1080}, {1920, 0, 800, 500}}));
  ScopedEnv display("DISPLAY", xvfb.Name());
  TempDir config;
  ChildProcess dialog(
      {LUNVALE_EXE, "/c"},
      {{"XDG_CONFIG_HOME", config.Path()}, {"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", xvfb.Name()}});
  const auto window = WaitForWindow("Screensaver Configuration", 20s);
  ASSERT_TRUE(window.has_value()) << dialog.Stderr();
  const auto moved_to = [&](int x, int y) {
    Xdo({"windowmove", std::to_string(*window), std::to_string(x), std::to_string(y)});
    std::this_thread::sleep_for(1s);
    return WindowGeometry(*window).value_or(Geometry{});
  };
  Geometry g = moved_to(1930, 0);
  EXPECT_LE(g.height, 500 - 40) << "room for the frame";
  EXPECT_NEAR(g.width * 576.0 / 539, g.height, 2.0) << "scaled as a whole";
  g = moved_to(100, 100);
  EXPECT_EQ(g.width, 539);
  EXPECT_EQ(g.height, 576);
  // Scaled once more, the controls still take the mouse.
  g = moved_to(1930, 0);
  EXPECT_LT(g.width, 539);
  TickWeatherAndOk(g, dialog, config);
}

}  // namespace
}  // namespace lunvale::testing
