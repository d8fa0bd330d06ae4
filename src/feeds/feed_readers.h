// SPDX-License-Identifier: MIT
#pragma once

// The readers of the two feeds' documents: the weather feed of the old kind and any news feed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunvale::feeds {

// Between and after the news titles.
inline constexpr std::string_view kNewsSeparator = "  ***  ";

// What a weather reply carries, as the feed writes it. `weather` is false when the reply does not
// begin with the XML declaration (an error page); absent attributes are empty.
struct WeatherReading {
  bool weather = false;
  std::string today_code;
  std::string today_now;
  std::string tomorrow_code;  // of the second forecast: the first one is today's
  std::string tomorrow_low;
  std::string tomorrow_hi;
};
WeatherReading ReadWeather(std::string_view document);

// What a news reply carries: RSS 0.9x/2.0, RSS 1.0 (RDF) or Atom 1.0, told by the root element;
// `accepted` is false for any other document. Texts are decoded once into UTF-8 (bytes that are not
// UTF-8 are read as Windows-1252) and kept on one line.
struct NewsReading {
  bool accepted = false;
  std::string name;                 // the channel's (feed's) own title
  std::optional<std::string> link;  // its link (Atom: rel="alternate", else the first); none when absent
  // The xml:base values in force where the link stands, outermost first: each is relative to the one
  // before it, the first to the feed's own address, and the link to the last.
  std::vector<std::string> link_bases;
  std::string line;  // the separator, then each item's (entry's) title and the separator
};
// One pass over the document with views into it, so that a feed of megabytes is read in linear time.
NewsReading ReadNews(std::string_view document);

// "http://" + host + "/forecastrss?p=" + code + "&u=" + unit; the settings go in as they are (the
// client refuses control bytes).
std::string WeatherURL(std::string_view host, std::string_view code, std::string_view unit);

}  // namespace lunvale::feeds
