// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lunvale::platform {

// The module's resources: the files of assets/, embedded at build time and found by name
// (the file name without its extension, compared exactly).
std::optional<std::span<const unsigned char>> FindResource(std::string_view name);

// The names of all embedded resources, in table order.
std::vector<std::string_view> ResourceNames();

}  // namespace lunvale::platform
