// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lunvale::feeds::generated {

// One named character reference: where its name (without "&" and ";") and its text (in UTF-8) lie in
// kNamedEntityChars.
struct NamedEntity {
  uint16_t name_at;
  uint8_t name_size;
  uint16_t text_at;
  uint8_t text_size;
};

// Every HTML5 name that ends in ";", sorted by name (bytewise); written by tools/entities/generate.py.
inline constexpr std::size_t kNamedEntityCount = 2125;
extern const char kNamedEntityChars[];
extern const NamedEntity kNamedEntities[kNamedEntityCount];

inline std::string_view NameOf(const NamedEntity& e) {
  return {kNamedEntityChars + e.name_at, e.name_size};
}
inline std::string_view TextOf(const NamedEntity& e) {
  return {kNamedEntityChars + e.text_at, e.text_size};
}

}  // namespace lunvale::feeds::generated
