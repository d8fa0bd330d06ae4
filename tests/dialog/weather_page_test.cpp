// SPDX-License-Identifier: MIT
#include "dialog/weather_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "data/location_table.h"
#include "dialog/dialog_style.h"

namespace lunvale::dialog {
namespace {

constexpr int kArgentina = 9, kBrazil = 29, kCanada = 37, kSweden = 189, kUsa = 210, kZambia = 219;

void NeedApplication() {
  static int argc = 3;
  static char name[] = "lunvale_tests", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

struct Page {
  explicit Page(std::string code_in, std::string unit_in = "f")
      : code(std::move(code_in)), unit(std::move(unit_in)) {
    page.TabSheet2Show();
  }
  // A pick as the user makes it: the selection, then the list's signal.
  static void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  std::string code, unit;
  WeatherPage page{(NeedApplication(), code), unit};
};

TEST(WeatherPage, ShowingSelectsTheStoredPlaceAndUnitWithoutChangingThem) {
  Page defaults("20001");
  EXPECT_EQ(defaults.page.ComboBox1Country->count(), 221);
  EXPECT_EQ(defaults.page.ComboBox1Country->currentText(), "USA");
  EXPECT_EQ(defaults.page.ComboBox1City->count(), 2414);
  EXPECT_EQ(defaults.page.ComboBox1City->currentText(), "Washington, DC");
  EXPECT_EQ(defaults.page.ComboBox1Units->currentText(), "Fahrenheit degrees");
  EXPECT_EQ(defaults.code, "20001");

  Page shared("02301", "c");  // two towns share the code: the later one wins
  EXPECT_EQ(shared.page.ComboBox1City->currentText(), "Brockton, MA");
  EXPECT_EQ(shared.page.ComboBox1Units->currentText(), "Celsius degrees");

  Page argentina("ARBA1903");  // the table's one row out of alphabetical order
  EXPECT_EQ(argentina.page.ComboBox1Country->currentIndex(), kArgentina);
  EXPECT_EQ(argentina.page.ComboBox1City->currentText(), "25 de Mayo");
  EXPECT_EQ(argentina.page.ComboBox1City->currentIndex(), argentina.page.ComboBox1City->count() - 1);

  for (const char* unknown : {"XXXX0000", "", "20001 "}) {
    Page page(unknown, "k");
    EXPECT_EQ(page.page.ComboBox1Country->currentIndex(), -1) << unknown;
    EXPECT_EQ(page.page.ComboBox1City->count(), 0);
    EXPECT_EQ(page.page.ComboBox1Units->currentText(), "Fahrenheit degrees");
    EXPECT_EQ(page.code, unknown);
    EXPECT_EQ(page.unit, "k");
  }
}

TEST(WeatherPage, PicksSetTheCodeAndUnit) {
  Page page("20001");
  Page::Pick(page.page.ComboBox1Country, kCanada);
  ASSERT_EQ(page.page.ComboBox1City->count(), 662);
  ASSERT_EQ(page.page.ListBox1Code.size(), 662u);
  const data::CityEntry* first_of_canada = nullptr;
  for (const data::CityEntry& city : data::Cities())
    if (city.country == kCanada && !first_of_canada) first_of_canada = &city;
  EXPECT_EQ(page.page.ComboBox1City->currentIndex(), 0);
  EXPECT_EQ(page.page.ComboBox1City->itemText(0), first_of_canada->name);
  EXPECT_EQ(page.code, first_of_canada->code);

  const int london = page.page.ComboBox1City->findText("London");
  Page::Pick(page.page.ComboBox1City, london);
  EXPECT_EQ(page.code, "CAXX0255");
  page.page.TabSheet2Show();  // shown again: the same country and city
  EXPECT_EQ(page.page.ComboBox1Country->currentIndex(), kCanada);
  EXPECT_EQ(page.page.ComboBox1City->currentIndex(), london);

  Page::Pick(page.page.ComboBox1Country, kZambia);  // no places: the code stays
  EXPECT_EQ(page.page.ComboBox1City->count(), 0);
  EXPECT_TRUE(page.page.ListBox1Code.empty());
  EXPECT_EQ(page.code, "CAXX0255");
  Page::Pick(page.page.ComboBox1Country, kUsa);
  EXPECT_EQ(page.code, page.page.ListBox1Code[0]);

  Page::Pick(page.page.ComboBox1Units, 1);
  EXPECT_EQ(page.unit, "c");
  page.page.TabSheet2Show();
  EXPECT_EQ(page.page.ComboBox1Units->currentText(), "Celsius degrees");
  Page::Pick(page.page.ComboBox1Units, 0);
  EXPECT_EQ(page.unit, "f");
}

TEST(WeatherPage, TheCountryPickedAgainKeepsItsChosenCity) {
  Page page("02301");  // the earlier of two towns sharing a code, as the user picked it
  page.page.ComboBox1City->setCurrentIndex(page.page.ComboBox1City->findText("Abington, MA"));
  Page::Pick(page.page.ComboBox1Country, kUsa);
  EXPECT_EQ(page.page.ComboBox1City->currentText(), "Abington, MA");
  EXPECT_EQ(page.code, "02301");
}

TEST(WeatherPage, TypingFindsPlacesWhateverTheCaseAndAccents) {
  const struct {
    int country;
    const char* typed;
  } cases[] = {{kSweden, "ore"}, {kSweden, "OREB"}, {kBrazil, "sao"}, {kCanada, "toR"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Page page("20001");
    Page::Pick(page.page.ComboBox1Country, c.country);
    QTest::keyClicks(page.page.ComboBox1City, c.typed);
    const QString picked = page.page.ComboBox1City->currentText();
    EXPECT_TRUE(Folded(picked).startsWith(Folded(c.typed))) << picked.toStdString();
    EXPECT_NE(page.page.ComboBox1City->currentIndex(), 0);
    EXPECT_EQ(page.code, page.page.ListBox1Code[page.page.ComboBox1City->currentIndex()]);
  }
}

TEST(WeatherPage, ShowsTheTablesWindows1252Names) {
  Page page("SZXX0001");
  EXPECT_EQ(page.page.ComboBox1City->currentText(), QString::fromUtf8("Z\u00fcrich"));
}

}  // namespace
}  // namespace lunvale::dialog
