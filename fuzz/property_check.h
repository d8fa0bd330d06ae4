// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a crash for the fuzzer; the message says which one.
#define CHECK(ok)                                                              \
  do {                                                                         \
    if (!(ok)) {                                                               \
      std::fprintf(stderr, "property broken at line %d: %s\n", __LINE__, #ok); \
      std::abort();                                                            \
    }                                                                          \
  } while (0)
