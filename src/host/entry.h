// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::host {

// The module's entry: picks the mode from the command line and carries it out. Returns 0, or 1 after
// an error inside a host's window, in the preview or from a command-line request (told on stderr);
// --show-feeds returns its own exit status.
int RunModule(int argc, char** argv);

}  // namespace lunvale::host
