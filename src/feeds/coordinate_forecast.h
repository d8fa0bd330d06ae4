// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/location_table.h"
#include "feeds/feed_readers.h"

// The weather for a location of the location table by its coordinates, from a forecast service that
// answers with JSON (current conditions and two days). The feed the saver was made for is gone; this
// is where its weather comes from unless "WeatherHost" names a feed of that kind.
namespace lunvale::feeds {

// The place with the location code; the last of the places sharing it, as the settings dialog shows
// it chosen. Null when the table does not know the code.
const data::CityEntry* FindPlace(std::string_view location_code);

// Whether `address` may serve as the forecast service's base address: "http://" or "https://" (in any
// case) and a host, no control bytes, no blanks.
bool UsableServiceAddress(std::string_view address);

// The request for the place with the location code, in the unit ("c": Celsius, else Fahrenheit), to
// the service at `base` (scheme, host and any path, as "WeatherApi" holds it); none when the code is
// not in the location table.
std::optional<std::string> ForecastURL(std::string_view base, std::string_view location_code,
                                       std::string_view unit);

// The forecast page for people that F3 opens for the place; none when the code is not in the table.
// The site keeps the visitor's unit in its own settings: it takes none in the address.
inline constexpr char kForecastPageSite[] = "https://www.yr.no/en/forecast/daily-table/";
std::optional<std::string> ForecastPageURL(std::string_view location_code);

// The reply's values in the weather feed's terms: its condition codes (0..47, 48 for a code it has
// no picture for) and whole-degree temperatures. `weather` is false when the reply lacks them.
WeatherReading ReadForecast(std::string_view json);

// The weather feed's condition code for a WMO weather code; `night` picks the night pictures of the
// clear and partly cloudy skies.
int ConditionCode(int wmo_code, bool night = false);

}  // namespace lunvale::feeds
