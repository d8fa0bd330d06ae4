// SPDX-License-Identifier: MIT
#include "platform/system/resources.h"

#include "platform/system/resource_table.h"

namespace lunvale::platform {

std::optional<std::span<const unsigned char>> FindResource(std::string_view name) {
  for (const ResourceEntry* e = kResourceTable; e->name != nullptr; ++e) {
    if (name == e->name) return std::span<const unsigned char>(e->begin, e->end);
  }
  return std::nullopt;
}

std::vector<std::string_view> ResourceNames() {
  std::vector<std::string_view> names;
  for (const ResourceEntry* e = kResourceTable; e->name != nullptr; ++e) names.emplace_back(e->name);
  return names;
}

}  // namespace lunvale::platform
