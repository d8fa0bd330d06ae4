#pragma once

#include <string_view>

namespace lunvale::host {

enum class SaverMode { kRun, kConfigure, kPreview, kChangePassword };

// Picks the mode from the first command-line argument (empty when there is none): upper-cased,
// shorter than two characters runs the saver; otherwise one leading '/' or '-' is dropped and the
// next character decides: P preview, C configuration, S run, A password change, anything else run.
SaverMode SelectMode(std::string_view argument1);

}  // namespace lunvale::host
