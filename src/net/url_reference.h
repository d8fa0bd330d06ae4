// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lunvale::net {

// The target of `reference` (a redirect's Location, a feed's link) seen from the absolute address
// `base`, resolved as RFC 3986 (section 5.2) says: a reference with a scheme stands alone, "//host"
// keeps the scheme, "/path" the host, "path" and "../path" are merged with the base's directory
// and the dot segments removed, "?query" keeps the path. The reference's fragment stays; the base's
// does not.
std::string ResolveReference(std::string_view base, std::string_view reference);

}  // namespace lunvale::net
