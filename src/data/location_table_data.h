// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "data/location_table.h"

// The arrays written by tools/locations (names in Windows-1252, as the weather service spells them).
namespace lunvale::data::generated {

extern const CountryEntry kCountries[];
extern const std::size_t kCountryCount;
extern const CityEntry kCities[];
extern const std::size_t kCityCount;

}  // namespace lunvale::data::generated
