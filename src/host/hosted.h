// SPDX-License-Identifier: MIT
#pragma once

namespace lunvale::host {

// Run mode inside a screen-saver host's window (or the root window): the whole scene, gadgets and
// sound included, scaled to the window and following its size. No window of its own, so no input: the
// host ends the run by signal; the window going away ends it too. Throws when the window does not exist.
// `window` 0: the root window.
void RunHostedSaver(unsigned long window);

}  // namespace lunvale::host
