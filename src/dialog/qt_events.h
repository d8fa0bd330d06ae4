// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::dialog {

// The dialog's windows are Qt's: a download the dialog waits for keeps the application's messages
// served, and through this pump Qt's events too, so the windows stay painted and their buttons answer.
// Installs the pump once; it serves Qt only while a Qt application lives on the calling thread.
void ServeQtEventsDuringWaits();

}  // namespace lunvale::dialog
