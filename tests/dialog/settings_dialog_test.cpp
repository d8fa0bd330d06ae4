// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>

#include "dialog_fixture.h"

namespace lunvale::dialog {
namespace {

using SettingsDialog = DialogTest;

TEST_F(SettingsDialog, FirstRunWritesTheDefaultsAtOnceAndCancelKeepsThem) {
  TForm2& f = Open();
  EXPECT_EQ(f.FD_BRIGHT->GetValue(), 256);
  EXPECT_EQ(f.FD_SOUND->GetValue(), 200);
  EXPECT_TRUE(f.CheckBox2time->isChecked());
  EXPECT_TRUE(f.CheckBox1transp->isChecked());
  EXPECT_FALSE(f.CheckBox2weather->isChecked());
  EXPECT_FALSE(f.CheckBox2news->isChecked());
  EXPECT_FALSE(f.CheckBox1Proxy->isChecked());
  EXPECT_TRUE(f.Edit1ProxyServer->text().isEmpty());
  EXPECT_TRUE(f.Edit2Port->text().isEmpty());
  const std::string written = Slurp(File());
  f.show();
  f.BTCancelClick();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(Slurp(File()), written);
  EXPECT_EQ(Number("Brightness"), 256);
  EXPECT_EQ(Number("SoundVolume"), 200);
  EXPECT_EQ(Number("ShowTime"), 1);
  EXPECT_EQ(Number("ShowWeather"), 0);
  EXPECT_EQ(Number("ShowNews"), 0);
  EXPECT_EQ(Number("ShowBlack"), 0);
  EXPECT_EQ(Number("UseProxy"), 0);
  EXPECT_EQ(Text("WeatherCode"), "20001");
  EXPECT_EQ(Text("TDegree"), "f");
  EXPECT_EQ(Text("RSS_Url"), settings::kDefaultRSS_Url);
  EXPECT_EQ(Text("Proxy"), "");
  EXPECT_EQ(Text("Port"), "");
  EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsDialog, StoredValuesComeBackUnvalidatedOnOk) {
  StoreDefaults();
  Number("Brightness", 300);
  Number("ShowBlack", 1);
  Number("ShowNews", 1);
  Number("UseProxy", 1);
  Text("Proxy", "proxy.example");
  Text("Port", "eighty");
  Text("RSS_Url", "");
  Text("WeatherCode", "UKXX0085");
  TForm2& f = Open();
  EXPECT_EQ(f.FD_BRIGHT->GetValue(), 300);
  EXPECT_FALSE(f.CheckBox1transp->isChecked());
  EXPECT_TRUE(f.CheckBox2news->isChecked());
  EXPECT_TRUE(f.CheckBox1Proxy->isChecked());
  EXPECT_EQ(f.Edit1ProxyServer->text(), "proxy.example");
  EXPECT_EQ(f.Edit2Port->text(), "eighty");
  f.BTOKClick();
  EXPECT_EQ(Number("Brightness"), 300);
  EXPECT_EQ(Number("ShowBlack"), 1);
  EXPECT_EQ(Number("ShowNews"), 1);
  EXPECT_EQ(Text("Port"), "eighty");
  EXPECT_EQ(Text("RSS_Url"), "");
  EXPECT_EQ(Text("WeatherCode"), "UKXX0085");

  // Any "ShowBlack" but 1 ticks the box, and saving writes a clean 0.
  Number("ShowBlack", 2);
  TForm2& g = Open();
  EXPECT_TRUE(g.CheckBox1transp->isChecked());
  g.BTOKClick();
  EXPECT_EQ(Number("ShowBlack"), 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsDialog, WhatTheUserChangesReachesTheSaverOnOk) {
  StoreDefaults();
  TForm2& f = Open();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  QTest::mousePress(f.FD_SOUND, Qt::LeftButton, {}, QPoint(150, 12));
  QTest::mouseMove(f.FD_SOUND, QPoint(100, 12));
  QTest::mouseRelease(f.FD_SOUND, Qt::LeftButton, {}, QPoint(100, 12));
  f.CheckBox2weather->click();
  f.CheckBox1transp->click();
  f.CheckBox1Proxy->click();
  f.PageControl1->setCurrentIndex(3);
  QTest::keyClicks(f.Edit1ProxyServer, "127.0.0.1");
  QTest::keyClicks(f.Edit2Port, "3128");
  QTest::mouseClick(f.BTOK, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_FALSE(f.isVisible());

  settings::SettingsStore saver;
  saver.SetBrandName(settings::kBrandName);
  saver.SetSSName(settings::kSSName);
  saver.SetRegistry();
  EXPECT_EQ(saver.SoundVolume(), 128);
  EXPECT_EQ(saver.Brightness(), 256);
  EXPECT_EQ(saver.GetShowWeather(), 1);
  EXPECT_EQ(saver.GetShowBlack(), 1);
  EXPECT_EQ(saver.GetUseProxy(), 1);
  EXPECT_EQ(saver.GetProxy(), "127.0.0.1");
  EXPECT_EQ(saver.GetPort(), "3128");
  EXPECT_EQ(saver.GetWeatherCode(), "20001");
  EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsDialog, MissingNumberIsReportedAndLeavesTheRestAsDesigned) {
  StoreDefaults();
  std::string hive = Slurp(File());
  const size_t at = hive.find("\"SoundVolume\"");
  hive.erase(at, hive.find('\n', at) - at + 1);
  Put(hive);
  TForm2& f = Open();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Failed to get data for 'SoundVolume'");
  EXPECT_EQ(f.FD_BRIGHT->GetValue(), 256);
  EXPECT_FALSE(f.CheckBox2time->isChecked());
  EXPECT_FALSE(f.CheckBox1transp->isChecked());
  EXPECT_TRUE(f.Edit1ProxyServer->text().isEmpty());
}

TEST_F(SettingsDialog, TheWeatherPageCreditsTheForecastServiceWithItsLink) {
  StoreDefaults();
  TForm2& f = Open();
  std::vector<std::string> opened;
  f.open_address = [&](const std::string& address) { opened.push_back(address); };
  f.show();
  f.PageControl1->setCurrentIndex(1);
  QLabel* credit = f.TabSheet2->LabelCredit;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(credit));
  EXPECT_TRUE(credit->text().contains(">Weather data by Open-Meteo.com</a>"));
  QTest::mouseClick(credit, Qt::LeftButton, {}, QPoint(20, credit->height() / 2));
  EXPECT_EQ(opened, std::vector<std::string>{"https://open-meteo.com/"});
}

}  // namespace
}  // namespace lunvale::dialog
