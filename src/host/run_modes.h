// SPDX-License-Identifier: MIT
#pragma once

// host: the two modes that run the saver's own user interface, the settings dialog and the scene.

namespace lunvale::host {

// Configuration mode: the settings dialog as the main form, until it closes (configuration.cpp; the
// Windows build has its own, configuration_win32.cpp).
void RunConfiguration(int argc, char** argv);

// Run mode: the scene form as the main form, until it closes itself.
void RunSaver();

}  // namespace lunvale::host
