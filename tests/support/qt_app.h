// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace lunvale::testing {

// The test process's one Qt application, made on first use on Qt's offscreen platform (given as an
// argument, so that child processes the tests start do not inherit it).
QApplication& QtApp();

}  // namespace lunvale::testing
