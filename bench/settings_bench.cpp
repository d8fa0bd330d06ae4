// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/settings_store.h"

// Every full-screen start loads the settings twice, each value opening and reading the hive file.
static void BM_SetRegistryLoad(benchmark::State& state) {
  namespace fs = std::filesystem;
  std::string dir = (fs::temp_directory_path() / "lunvale-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
  lunvale::settings::SettingsStore store;
  store.SetBrandName(lunvale::settings::kBrandName);
  store.SetSSName(lunvale::settings::kSSName);
  store.SetRegistry();  // first run creates the twelve values
  for (auto _ : state) {
    store.SetRegistry();
    benchmark::DoNotOptimize(store.GetPort());
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_SetRegistryLoad)->Unit(benchmark::kMicrosecond);

// A key that has grown to 16,000 values (or whatever range is asked): the load reads the whole file
// per value it reads, so it must stay linear in the file's size.
static void BM_SetRegistryLoadLargeKey(benchmark::State& state) {
  namespace fs = std::filesystem;
  std::string dir = (fs::temp_directory_path() / "lunvale-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
  lunvale::settings::SettingsStore store;
  store.SetBrandName(lunvale::settings::kBrandName);
  store.SetSSName(lunvale::settings::kSSName);
  store.SetRegistry();
  {
    std::ofstream file(fs::path(dir) / "lunvale" / "HKEY_CURRENT_USER.reg", std::ios::app);
    for (int64_t i = 0; i < state.range(0); ++i)
      file << "\"Extra" << i << "\"=dword:" << std::hex << i << std::dec << "\n";
  }
  for (auto _ : state) {
    store.SetRegistry();
    benchmark::DoNotOptimize(store.GetPort());
  }
  state.SetComplexityN(state.range(0));
  fs::remove_all(dir);
}
BENCHMARK(BM_SetRegistryLoadLargeKey)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(16000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
