// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lunvale::host {

enum class SaverMode { kRun, kConfigure, kPreview, kChangePassword };

// Picks the mode from the first command-line argument (empty when there is none): upper-cased,
// shorter than two characters runs the saver; otherwise one leading '/' or '-' is dropped and the
// next character decides: P preview, C configuration, S run, A password change, anything else run.
SaverMode SelectMode(std::string_view argument1);

// The window handle that goes with a mode's switch: the text after a colon in the switch itself
// ("/p:1234", as some hosts write it), else the next argument ("/p 1234").
std::string_view SwitchArgument(std::string_view argument1, std::string_view argument2);

// Where run mode draws when a Linux screen-saver host starts the module: the host's conventions are
// `-root`, `-window-id ID` and the environment variable XSCREENSAVER_WINDOW.
struct HostTarget {
  enum Kind { kOwnWindow, kRoot, kWindow } kind = kOwnWindow;
  unsigned long window = 0;  // kWindow
  bool operator==(const HostTarget&) const = default;
};

// From the arguments after the program's name and XSCREENSAVER_WINDOW's value (null when unset):
// `-window-id ID` names the window; `-root` means the host's window when XSCREENSAVER_WINDOW names one
// (the host's virtual root), else the root window; without either switch a set XSCREENSAVER_WINDOW
// names the window. Both dash forms (-root, --root) are taken. Throws std::runtime_error for a
// missing or malformed id.
HostTarget SelectHostTarget(const std::vector<std::string>& arguments, const char* screensaver_window);

// An X11 window id: hexadecimal with 0x, or decimal; neither 0 nor beyond 32 bits. Throws
// std::runtime_error "'<text>' is not a valid window id".
unsigned long ParseWindowId(std::string_view text);

// The first argument asks for the usage text (--help, -help).
bool IsHelpRequest(std::string_view argument1);
// The first argument asks for the version (--version, -V).
bool IsVersionRequest(std::string_view argument1);
// What `--version` prints: the program's name and the version it was built as.
std::string VersionText(const std::string& program);
// The usage text `--help` prints: every mode the module knows.
std::string UsageText(const std::string& program);

}  // namespace lunvale::host
