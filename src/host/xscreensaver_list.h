// SPDX-License-Identifier: MIT
#pragma once

// XScreenSaver picks its hacks from the `programs:` resource: the user's ~/.xscreensaver, or the
// system's app-defaults while the user has none. Installing a hack does not add it there; these calls
// add the saver to the user's list, or take it out again.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lunvale::host {

// The command XScreenSaver's list holds for the saver; it runs the hack in its own window.
inline constexpr std::string_view kXScreenSaverCommand = "lunvale -root";

// Where XScreenSaver's system defaults live, first found wins.
std::vector<std::string> XScreenSaverDefaultsFiles();

// In the text of an init file: the list with the saver added at its head, every other line kept.
// `changed` is false (and the text comes back as it was) when the saver is already listed, enabled or
// not. Throws std::runtime_error when the text has no `programs:` resource.
std::string AddToProgramsList(std::string_view init_file, bool& changed);
// Every entry that runs the saver taken out; `changed` false when there was none.
std::string RemoveFromProgramsList(std::string_view init_file, bool& changed);
// A new init file from the system's app-defaults: their `*programs:` list as the user's own.
// Throws std::runtime_error when they hold no list.
std::string InitFileFromDefaults(std::string_view app_defaults);

// `--add-to-xscreensaver` on the init file `path` (a missing one is made from the first defaults file
// found), and `--remove-from-xscreensaver`. The file is replaced whole, through a temporary file; the
// old one is kept beside it as `<path>.bak`. Says what was done on `out`; failures throw
// std::runtime_error and leave the file as it was.
void AddToXScreenSaver(const std::string& path, const std::vector<std::string>& defaults, std::ostream& out);
void RemoveFromXScreenSaver(const std::string& path, std::ostream& out);

// The user's init file: $HOME/.xscreensaver. Throws std::runtime_error when HOME is not set.
std::string UserInitFile();

}  // namespace lunvale::host
