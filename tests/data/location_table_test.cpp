// SPDX-License-Identifier: MIT
#include "data/location_table.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "platform/text/code_page.h"

namespace lunvale::data {
namespace {

// The number of places of each country, in table order, as the weather service's table has them.
constexpr int kPlaces[221] = {
    5,    2,   38, 2,  1,  4,    1,  10,  2,    1250, 3,  2,  1,  372,  63, 8,   6,   2,   12, 1,    25,
    31,   5,   3,  3,  2,  40,   4,  15,  3538, 1,    2,  16, 1,  1,    1,  7,   662, 2,   1,  4,    2,
    50,   497, 2,  48, 2,  4,    13, 1,   13,   4,    6,  18, 11, 29,   47, 1,   2,   28,  18, 35,   7,
    3,    2,   12, 7,  1,  10,   34, 279, 2,    5,    8,  1,  4,  6378, 3,  1,   68,  7,   2,  6,    20,
    16,   2,   1,  3,  5,  18,   19, 6,   198,  87,   34, 13, 91, 3,    32, 240, 8,   108, 7,  54,   19,
    2,    20,  3,  1,  8,  1,    5,  7,   3,    1,    10, 3,  5,  4,    11, 4,   2,   32,  1,  7,    4,
    3,    4,   5,  5,  1,  2321, 5,  5,   1,    41,   25, 7,  5,  6,    1,  3,   39,  3,   6,  79,   8,
    11,   20,  3,  46, 21, 22,   1,  5,   11,   5,    13, 48, 68, 53,   83, 104, 3,   2,   38, 448,  1,
    1,    1,   4,  1,  1,  39,   6,  1,   1,    6,    9,  5,  3,  3,    70, 50,  190, 5,   8,  3,    1,
    64,   58,  17, 28, 3,  7,    51, 1,   1,    6,    19, 66, 24, 1,    1,  6,   2,   57,  7,  1989, 16,
    2414, 20,  4,  48, 33, 1,    5,  8,   31,   0,    11};

constexpr int kArgentina = 9, kCanada = 37, kUnitedKingdom = 208, kUsa = 210, kZambia = 219;

// The table's case-insensitive order sets accents aside.
QString SortKey(const char* name) {
  QString folded =
      QString::fromStdString(platform::AnsiToUtf8(name)).normalized(QString::NormalizationForm_D);
  folded.removeIf([](QChar c) { return c.isMark(); });
  return folded.toLower();
}

// `pattern`: 'A' a capital letter, '9' a digit, any other character itself.
bool Matches(const std::string& text, const std::string& pattern) {
  if (text.size() != pattern.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i], p = pattern[i];
    if (p == 'A' ? !(c >= 'A' && c <= 'Z') : p == '9' ? !(c >= '0' && c <= '9') : c != p) return false;
  }
  return true;
}

const CityEntry* Find(const char* name, int country) {
  for (const CityEntry& city : Cities())
    if (city.country == country && std::strcmp(city.name, name) == 0) return &city;
  return nullptr;
}

TEST(LocationTable, CountriesAndPlacesHaveTheirCountsAndOrder) {
  ASSERT_EQ(Countries().size(), 221u);
  ASSERT_EQ(Cities().size(), 23924u);
  for (int i = 0; i < 221; ++i) {
    EXPECT_EQ(Countries()[i].index, i);
    if (i > 0) {
      EXPECT_LT(SortKey(Countries()[i - 1].name), SortKey(Countries()[i].name)) << i;
    }
  }
  std::vector<int> counted(221);
  int previous = 0;
  for (size_t i = 0; i < Cities().size(); ++i) {
    const CityEntry& city = Cities()[i];
    ASSERT_GE(city.country, previous) << "grouped by country, at " << i;
    previous = city.country;
    ++counted[city.country];
    EXPECT_TRUE(std::memchr(city.name, 0, 37) && city.name[0]) << "at most 36 bytes: " << i;
    EXPECT_TRUE(city.latitude >= -90 && city.latitude <= 90 && city.longitude >= -180 &&
                city.longitude <= 180);
    const bool last_of_argentina = city.country == kArgentina && Cities()[i + 1].country != kArgentina;
    if (i > 0 && Cities()[i - 1].country == city.country && !last_of_argentina) {
      EXPECT_LE(SortKey(Cities()[i - 1].name), SortKey(city.name)) << city.name;
    }
  }
  for (int i = 0; i < 221; ++i) EXPECT_EQ(counted[i], kPlaces[i]) << Countries()[i].name;
}

TEST(LocationTable, CodesFollowTheServiceScheme) {
  int eights = 0, zips = 0;
  std::map<std::string, std::set<int>> countries_of_code, countries_of_prefix;
  std::map<std::string, int> uses;
  for (const CityEntry& city : Cities()) {
    ASSERT_TRUE(std::memchr(city.code, 0, sizeof city.code));
    const std::string code = city.code;
    countries_of_code[code].insert(city.country);
    ++uses[code];
    if (Matches(code, "AAAA9999")) {
      ++eights;
      // Territories: "US" and their own letters; Mexico and Argentina: their regions' letters.
      const bool regions =
          city.country == kArgentina || Countries()[city.country].name == std::string("Mexico");
      if (code.rfind("US", 0) == 0) continue;
      countries_of_prefix[code.substr(0, 2)].insert(city.country);
      EXPECT_EQ(code.substr(2, 2) == "XX", !regions) << code;
    } else if (Matches(code, "99999")) {
      ++zips;
      EXPECT_EQ(city.country, kUsa) << code;
      const std::string name = city.name;
      EXPECT_TRUE(name.size() > 4 && Matches(name.substr(name.size() - 4), ", AA")) << name;
    } else {
      ADD_FAILURE() << "code " << code;
    }
  }
  EXPECT_EQ(eights, 21510);
  EXPECT_EQ(zips, 2414);
  int shared = 0;
  for (const auto& [code, n] : uses) shared += n > 1;
  EXPECT_EQ(shared, 347);
  for (const auto& [code, in] : countries_of_code) EXPECT_EQ(in.size(), 1u) << code;
  std::set<std::string> twice;
  for (const auto& [prefix, in] : countries_of_prefix)
    if (in.size() > 1) twice.insert(prefix);
  EXPECT_EQ(twice, (std::set<std::string>{"AU", "EZ", "GM"}));
}

TEST(LocationTable, TellingRows) {
  const CityEntry& first = Cities().front();
  const CityEntry& last = Cities().back();
  EXPECT_STREQ(first.name, "Bost/Laskar");
  EXPECT_STREQ(first.code, "AFXX0005");
  EXPECT_EQ(first.country, 0);
  EXPECT_STREQ(last.name, "Victoria Falls");
  EXPECT_STREQ(last.code, "ZIXX0007");
  EXPECT_EQ(last.country, 220);

  ASSERT_TRUE(Find("Washington, DC", kUsa));
  EXPECT_STREQ(Find("Washington, DC", kUsa)->code, "20001");
  const CityEntry* abington = Find("Abington, MA", kUsa);
  const CityEntry* brockton = Find("Brockton, MA", kUsa);
  ASSERT_TRUE(abington && brockton);
  EXPECT_STREQ(abington->code, "02301");
  EXPECT_STREQ(brockton->code, "02301");
  EXPECT_LT(abington, brockton);
  ASSERT_TRUE(Find("London", kUnitedKingdom) && Find("London", kCanada));
  EXPECT_STREQ(Find("London", kUnitedKingdom)->code, "UKXX0085");
  EXPECT_STREQ(Find("London", kCanada)->code, "CAXX0255");
  EXPECT_STREQ(Countries()[kZambia].name, "Zambia");
  EXPECT_EQ(kPlaces[kZambia], 0);

  const CityEntry* argentina_end = Find("25 de Mayo", kArgentina);
  ASSERT_TRUE(argentina_end);
  EXPECT_EQ(argentina_end[1].country, kArgentina + 1);
  EXPECT_STREQ(argentina_end[-1].name, "Zenon Pereyra");
}

TEST(LocationTable, PlacesPeopleLookForAreInAndNoTwoRowsOfACountryLieWithin2Km) {
  const std::pair<const char*, const char*> wanted[] = {
      {"USA", "New York, NY"},   {"USA", "St. Louis, MO"}, {"USA", "Montpelier, VT"}, {"USA", "Augusta, ME"},
      {"Kuwait", "Kuwait City"}, {"Malta", "Valletta"},    {"Poland", "Warsaw"},      {"Turkey", "Istanbul"}};
  const std::pair<const char*, const char*> sections[] = {
      {"Poland", "Mokot\363w"}, {"Turkey", "Bagcilar"}, {"France", "Marseille 01"}, {"USA", "Brooklyn, NY"}};
  const auto country = [](const char* name) {
    for (const CountryEntry& c : Countries())
      if (std::strcmp(c.name, name) == 0) return c.index;
    return -1;
  };
  for (auto [in, place] : wanted) EXPECT_TRUE(Find(place, country(in))) << place;
  for (auto [in, place] : sections) EXPECT_FALSE(Find(place, country(in))) << place;

  std::vector<const CityEntry*> rows;
  for (const CityEntry& city : Cities()) rows.push_back(&city);
  std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->latitude < b->latitude; });
  const auto km = [](const CityEntry* a, const CityEntry* b) {
    const double r = M_PI / 180, dlat = (b->latitude - a->latitude) * r,
                 dlon = (b->longitude - a->longitude) * r;
    const double h = std::pow(std::sin(dlat / 2), 2) +
                     std::cos(a->latitude * r) * std::cos(b->latitude * r) * std::pow(std::sin(dlon / 2), 2);
    return 12742 * std::asin(std::min(1.0, std::sqrt(h)));
  };
  int near = 0;
  for (size_t i = 0; i < rows.size(); ++i)
    for (size_t j = i + 1; j < rows.size() && rows[j]->latitude - rows[i]->latitude < 0.02; ++j)
      if (rows[i]->country == rows[j]->country && std::strcmp(rows[i]->code, rows[j]->code) != 0 &&
          km(rows[i], rows[j]) < 1.99)
        ADD_FAILURE() << rows[i]->name << " and " << rows[j]->name << " (" << ++near << ")";
}

}  // namespace
}  // namespace lunvale::data
