// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>

#include <filesystem>

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
  EXPECT_FALSE(f.windowIcon().isNull());
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

TEST_F(SettingsDialog, KeysAloneReachAFaderMoveItAndSaveWithReturn) {
  StoreDefaults();
  TForm2& f = Open();
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
  f.PageControl1->setFocus();
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), f.FD_SOUND);
  key(Qt::Key_Left);
  key(Qt::Key_PageDown);
  EXPECT_EQ(f.FD_SOUND->GetValue(), 200 - 1 - 26);
  // On through the five boxes, past the pages not shown, to the buttons as they stand.
  for (int i = 0; i < 6; ++i) key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.BTCancel);
  key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.BTOK);
  key(Qt::Key_Backtab);
  key(Qt::Key_Backtab);
  key(Qt::Key_Space);  // "Use HTTP Proxy"
  key(Qt::Key_Tab);    // Return is OK even with Cancel focused
  ASSERT_EQ(QApplication::focusWidget(), f.BTCancel);
  key(Qt::Key_Return);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(Number("SoundVolume"), 173);
  EXPECT_EQ(Number("UseProxy"), 1);
  EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsDialog, UnreadableFileIsAskedAboutOnceAndKeptAsideForAFreshOne) {
  const std::string bad = "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Brightness\"=dword:zz\n";
  std::vector<std::string> questions;
  bool yes = false;
  SetQuestionAnswerer([&](std::string_view question) {
    questions.emplace_back(question);
    return yes;
  });
  const auto copies = [this] {
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(File().parent_path()))
      if (entry.path().filename().string().starts_with("HKEY_CURRENT_USER.reg.bad-"))
        kept.push_back(Slurp(entry));
    return kept;
  };

  // Declined: the file stays as it is and the dialog shows the defaults; OK asks again and writes.
  Put(bad);
  TForm2& f = Open();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_NE(questions[0].find(File().string() + ":4:"), std::string::npos) << questions[0];
  EXPECT_EQ(f.FD_SOUND->GetValue(), 200);
  EXPECT_EQ(Slurp(File()), bad);
  yes = true;
  QTest::mouseClick(f.BTOK, Qt::LeftButton);
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(copies(), std::vector<std::string>{bad});
  EXPECT_EQ(Number("SoundVolume"), 200);
  EXPECT_EQ(Text("WeatherCode"), "20001");

  // Taken at once: the defaults are written as on a first run, beside a second copy.
  Put(bad);
  Open();
  EXPECT_EQ(questions.size(), 3u);
  EXPECT_EQ(copies(), (std::vector<std::string>{bad, bad}));
  EXPECT_EQ(Number("Brightness"), 256);
  EXPECT_TRUE(errors.empty());
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
