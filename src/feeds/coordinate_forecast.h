#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "feeds/weather_http.h"

// The weather for a location of the location table by its coordinates, from a forecast service that
// answers plain HTTP with JSON (current conditions and two days). The feed the saver was made for
// is gone; this is where its weather comes from unless "WeatherHost" names a feed of that kind.
namespace lunvale::feeds {

// The request for the place with the location code, in the unit ("c": Celsius, else Fahrenheit);
// none when the code is not in the location table.
std::optional<std::string> ForecastURL(std::string_view host, std::string_view location_code,
                                       std::string_view unit);

// The reply's values in the weather feed's terms: its condition codes (0..47, 48 for a code it has
// no picture for) and whole-degree temperatures. `weather` is false when the reply lacks them.
WeatherReading ReadForecast(std::string_view json);

// The weather feed's condition code for a WMO weather code.
int ConditionCode(int wmo_code);

}  // namespace lunvale::feeds
