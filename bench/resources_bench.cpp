// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "platform/system/resources.h"

// Looking a picture up by name happens once per sprite at start; this keeps an eye on it.
static void BM_FindResource(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lunvale::platform::FindResource("PREVIEWBMP"));
}
BENCHMARK(BM_FindResource);
