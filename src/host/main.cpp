// SPDX-License-Identifier: MIT
#include "host/entry.h"

int main(int argc, char** argv) {
  return lunvale::host::RunModule(argc, argv);
}
