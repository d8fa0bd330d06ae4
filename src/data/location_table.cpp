// SPDX-License-Identifier: MIT
#include "data/location_table.h"

#include "data/location_table_data.h"

namespace lunvale::data {

std::span<const CountryEntry> Countries() {
  return {generated::kCountries, generated::kCountryCount};
}

std::span<const CityEntry> Cities() {
  return {generated::kCities, generated::kCityCount};
}

}  // namespace lunvale::data
