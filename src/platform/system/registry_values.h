// SPDX-License-Identifier: MIT
#pragma once

// What TRegistry's two stores share beyond the accessor's own methods (registry_values.cpp): the
// text of its errors and its record of the open key's values. Internal to the registry; see registry.h.

#include <string>
#include <utility>
#include <vector>

#include "platform/system/registry.h"

namespace lunvale::platform::registry_values {

// The pattern with its one "%s" replaced by the value's name, which may itself hold a "%s".
std::string ErrorText(const char* pattern, const std::string& name);

// Sets the named value in the record, where it is (names compare case-insensitively) or at the end.
void Remember(std::vector<std::pair<std::string, RegValue>>& values, const std::string& name,
              const RegValue& value);

}  // namespace lunvale::platform::registry_values
