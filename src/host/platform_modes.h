// SPDX-License-Identifier: MIT
#pragma once

// host: what the module's entry does differently per platform: the module's name from its path, the
// platform's own command-line requests, and the screen-saver hosts whose windows run mode may draw in.

#include <string>
#include <vector>

namespace lunvale::host {

// The module's name from argv[0] (null: none): the file name without its folder and its extension,
// "lunvale" when that leaves nothing.
std::string ModuleName(const char* argv0);

// The platform's own command-line requests beyond --help and --version (Linux: adding the saver to
// XScreenSaver's list and taking it out), answered on standard output; false when `argument1` is none.
bool RunPlatformRequest(const std::string& argument1);

// Run mode, given the arguments after the program's name: in the window a screen-saver host names by
// the platform's conventions (Linux: -root, -window-id, XSCREENSAVER_WINDOW), else full screen in the
// saver's own windows. Sets `to_stderr` as soon as it is known that errors must go to standard error
// (a host's window) rather than a message box.
void RunSaverMode(const std::vector<std::string>& arguments, bool& to_stderr);

}  // namespace lunvale::host
