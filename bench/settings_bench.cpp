#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
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
