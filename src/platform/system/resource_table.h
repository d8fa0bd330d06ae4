// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::platform {

// One embedded file; the table generated at build time ends with an entry whose name is null.
struct ResourceEntry {
  const char* name;
  const unsigned char* begin;
  const unsigned char* end;
};

extern const ResourceEntry kResourceTable[];

}  // namespace lunvale::platform
