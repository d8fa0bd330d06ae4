// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::host {

// The module's entry: picks the mode from the command line and carries it out. Always returns 0.
int RunModule(int argc, char** argv);

}  // namespace lunvale::host
