// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::host {

// Configuration mode: the settings dialog as the main form, until it closes.
void RunConfiguration(int argc, char** argv);

// Run mode: the scene form as the main form, until it closes itself.
void RunSaver();

}  // namespace lunvale::host
