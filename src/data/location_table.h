// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace lunvale::data {

// One country of the location picker; `index` is the entry's own position.
struct CountryEntry {
  char name[40];
  int32_t index;
};

// One place: its name, the weather service's location code, its country's position, and where it is
// (degrees, north and east positive) for the weather source that asks by coordinates.
struct CityEntry {
  char name[40];
  char code[12];
  int32_t country;
  float latitude;
  float longitude;
};

std::span<const CountryEntry> Countries();  // 221 entries in table order
std::span<const CityEntry> Cities();        // 23,924 entries grouped by country

}  // namespace lunvale::data
