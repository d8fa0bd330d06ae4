// SPDX-License-Identifier: MIT
/* A password provider for the tests: records how it was called in the file named by
   LUNVALE_TEST_PROVIDER_LOG. Built once with the entry point and once without it. */
#include <stdio.h>
#include <stdlib.h>

#ifndef LUNVALE_TEST_PROVIDER_EMPTY
unsigned PwdChangePasswordA(const char* regkey_name, unsigned long owner, unsigned reserved1,
                            unsigned reserved2) {
  const char* path = getenv("LUNVALE_TEST_PROVIDER_LOG");
  if (path != NULL) {
    FILE* f = fopen(path, "w");
    if (f != NULL) {
      fprintf(f, "%s %lu %u %u\n", regkey_name, owner, reserved1, reserved2);
      fclose(f);
    }
  }
  return 0;
}
#else
int LunvaleFakeMprHasNoEntryPoint = 1;
#endif
