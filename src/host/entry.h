// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::host {

// The module's entry: picks the mode from the command line and carries it out. Returns 0, but for
// --show-feeds its own exit status.
int RunModule(int argc, char** argv);

}  // namespace lunvale::host
