// SPDX-License-Identifier: MIT
#pragma once

// What the two font back ends (font.cpp on FreeType, font_win32.cpp on GDI) keep alike: the sizes a
// font may have, how many unused strikes the cache keeps and which goes first, and face names' case.
// Internal to them; see font.h.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace lunvale::platform::font_cache {

// Sizes beyond this are refused rather than rendered: a glyph of this size is already a megabyte.
inline constexpr int kMaxPixels = 1024;
inline constexpr int kDefaultHeight = 16;
// Strikes kept alive by the cache when no font uses them; a frame creates its fonts anew, so the
// cache, not the fonts, must keep the glyphs.
inline constexpr size_t kMaxStrikes = 48;

// Drops the least recently used strike of a full cache (a map to shared pointers to strikes with a
// last_use); fonts still holding it keep it alive until they go.
template <class Strikes>
void DropLeastUsed(Strikes& strikes) {
  if (strikes.size() <= kMaxStrikes) return;
  auto oldest = std::min_element(strikes.begin(), strikes.end(), [](const auto& a, const auto& b) {
    return a.second->last_use < b.second->last_use;
  });
  strikes.erase(oldest);
}

// Face names compare as ASCII without case, whatever the locale.
inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace lunvale::platform::font_cache
