// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace lunvale::feeds::generated {

// One named character reference: its name without "&" and ";", and its text in UTF-8.
struct NamedEntity {
  std::string_view name;
  std::string_view text;
};

// Every HTML5 name that ends in ";", sorted by name (bytewise); written by tools/entities/generate.py.
inline constexpr std::size_t kNamedEntityCount = 2125;
extern const NamedEntity kNamedEntities[kNamedEntityCount];

}  // namespace lunvale::feeds::generated
