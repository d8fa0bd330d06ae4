// SPDX-License-Identifier: MIT
#include "host/modes.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace lunvale::host {

SaverMode SelectMode(std::string_view argument1) {
  std::string s(argument1);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (s.size() < 2) return SaverMode::kRun;
  if (s[0] == '/' || s[0] == '-') s.erase(0, 1);
  switch (s.empty() ? '\0' : s[0]) {
    case 'P':
      return SaverMode::kPreview;
    case 'C':
      return SaverMode::kConfigure;
    case 'A':
      return SaverMode::kChangePassword;
    default:
      return SaverMode::kRun;
  }
}

std::string_view SwitchArgument(std::string_view argument1, std::string_view argument2) {
  const size_t colon = argument1.find(':');
  return colon == std::string_view::npos ? argument2 : argument1.substr(colon + 1);
}

unsigned long ParseWindowId(std::string_view text) {
  const auto bad = [&] { return std::runtime_error("'" + std::string(text) + "' is not a valid window id"); };
  std::string_view digits = text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  if (digits.empty() || digits.size() > 10) throw bad();
  uint64_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      throw bad();
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
  }
  if (value == 0 || value > UINT32_MAX) throw bad();
  return static_cast<unsigned long>(value);
}

HostTarget SelectHostTarget(const std::vector<std::string>& arguments, const char* screensaver_window) {
  const bool host_set = screensaver_window != nullptr && *screensaver_window != '\0';
  bool root = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "-window-id" || a == "--window-id") {
      if (i + 1 >= arguments.size()) throw std::runtime_error("-window-id needs a window id");
      return {HostTarget::kWindow, ParseWindowId(arguments[i + 1])};
    }
    if (a == "-root" || a == "--root") root = true;
  }
  if (host_set) return {HostTarget::kWindow, ParseWindowId(screensaver_window)};
  return root ? HostTarget{HostTarget::kRoot, 0} : HostTarget{};
}

bool IsHelpRequest(std::string_view argument1) {
  return argument1 == "--help" || argument1 == "-help";
}

bool IsVersionRequest(std::string_view argument1) {
  return argument1 == "--version" || argument1 == "-V";
}

std::string VersionText(const std::string& program) {
  return program + " " LUNVALE_VERSION "\n";
}

std::string UsageText(const std::string& program) {
  return "Usage: " + program +
         " [mode]\n"
         "Lunvale Screensaver: a lakeside scene with a clock, the weather and a news ticker.\n"
         "\n"
         "  (no arguments), /s    run full screen on every monitor; Escape or moving the mouse ends it,\n"
         "                        F2 and F3 open the news and the weather page and end it\n"
         "  /c                    the settings dialog\n"
         "  /p <window id>        draw the preview picture into that X11 window (decimal id)\n"
         "  /a <window id>        change the password through the system's password provider\n"
         "  -root                 draw into the root window, or the screen-saver host's window\n"
         "  -window-id <id>       draw into that X11 window (hexadecimal with 0x, or decimal)\n"
         "  --show-feeds          fetch the weather and the news once and print what the gadgets show\n"
         "  --add-to-xscreensaver, --remove-from-xscreensaver\n"
         "                        add the saver to XScreenSaver's list in ~/.xscreensaver, or take it out\n"
         "  --version, -V         the version\n"
         "  --help                this text\n"
         "\n"
         "Screen-saver hosts: when XSCREENSAVER_WINDOW names a window (hexadecimal or decimal), the saver\n"
         "draws into it. In a host's window the scene is scaled to the window and takes no input; SIGTERM,\n"
         "SIGINT or SIGHUP end the saver, and so does the window going away. There, and in the preview,\n"
         "errors go to standard error and the exit status is 1.\n";
}

}  // namespace lunvale::host
