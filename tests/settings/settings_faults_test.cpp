// SPDX-License-Identifier: MIT
// The first run under faults: killed at any moment, a full disk, two runs at once. Whatever happens,
// the file holds the old hive or the complete key, and the next start runs.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <random>

#include "settings/settings_store.h"
#include "settings/temp_config_home.h"

namespace lunvale::settings {
namespace {

namespace fs = std::filesystem;

class SettingsFaults : public testing_support::TempConfigHome {
 protected:
  static SettingsStore Store() {
    SettingsStore s;
    s.SetBrandName(kBrandName);
    s.SetSSName(kSSName);
    return s;
  }
  // Runs f in a child process; its exit code (128 + signal when killed after `kill_after`).
  template <typename F>
  static int InChild(F f, std::chrono::microseconds kill_after = std::chrono::microseconds::max()) {
    pid_t pid = ::fork();
    if (pid == 0) {
      int code = 0;
      try {
        code = f();
      } catch (...) {
        code = 99;
      }
      ::_exit(code);
    }
    if (kill_after != std::chrono::microseconds::max()) {
      ::usleep(static_cast<useconds_t>(kill_after.count()));
      ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
  }
  // The next start: loads without an error and holds the defaults; no temporary file is left.
  void ExpectNextStartRuns() {
    SettingsStore s = Store();
    ASSERT_NO_THROW(s.SetRegistry());
    EXPECT_EQ(s.GetRSS_Url(), kDefaultRSS_Url);
    EXPECT_EQ(s.GetPort(), "");
    EXPECT_EQ(Slurp(File()), complete_);
    for (auto& e : fs::directory_iterator(File().parent_path()))
      EXPECT_TRUE(e.path() == File() || e.path().extension() == ".lock") << e.path();
  }
  void SetUp() override {
    TempConfigHome::SetUp();
    Store().SetRegistry();
    complete_ = Slurp(File());
    fs::remove_all(File().parent_path());
  }
  std::string complete_;  // the file a whole first run leaves
};

TEST_F(SettingsFaults, KilledFirstRunsLeaveNoFileOrTheWholeKey) {
  auto start = std::chrono::steady_clock::now();
  Store().SetRegistry();
  const auto took =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 random(12);
  std::uniform_int_distribution<int64_t> delay(0, 3 * took.count() + 300);  // fork and exec included
  int none = 0, whole = 0;
  for (int i = 0; i < 200; ++i) {
    fs::remove_all(File().parent_path());
    InChild(
        [] {
          Store().SetRegistry();
          return 0;
        },
        std::chrono::microseconds(delay(random)));
    const bool exists = fs::exists(File());
    (exists ? whole : none)++;
    if (exists) {
      ASSERT_EQ(Slurp(File()), complete_) << "after kill " << i;
    }
    ExpectNextStartRuns();
  }
  std::cout << "[ figure ] first run " << took.count() << " us; 200 kills: " << none << " no file, " << whole
            << " whole key\n";
}

TEST_F(SettingsFaults, AFullDiskLeavesNoKeyAndTheNextStartRuns) {
  // A file size limit fails the write at an exact byte, as a disk that fills up would.
  for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{100}, rlim_t{300}, rlim_t{complete_.size() - 1}}) {
    SCOPED_TRACE(limit);
    fs::remove_all(File().parent_path());
    EXPECT_EQ(InChild([limit] {
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit r{limit, limit};
                ::setrlimit(RLIMIT_FSIZE, &r);
                SettingsStore s = Store();
                s.SetRegistry();  // runs on the defaults without a word
                return s.Brightness() == kDefaultBrightness ? 0 : 1;
              }),
              0);
    EXPECT_FALSE(fs::exists(File()));
    ExpectNextStartRuns();
    // A later save that fails leaves the stored key as it was.
    EXPECT_EQ(InChild([limit] {
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit r{limit, limit};
                ::setrlimit(RLIMIT_FSIZE, &r);
                Store().WriteRKey("Brightness", 7);
                return 0;
              }),
              99);
    EXPECT_EQ(Slurp(File()), complete_);
  }
}

TEST_F(SettingsFaults, AFullTmpfsLeavesNoKeyAndTheNextStartRuns) {
  const fs::path folder = File().parent_path();
  fs::create_directories(folder);
  const std::string complete = complete_;
  // A private mount namespace keeps the small file system to the child and gone with it.
  int code = InChild([&] {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") != 0)
      return 77;
    {
      std::ofstream filler(folder / "filler");
      for (int i = 0; i < 64 && filler; ++i) filler << std::string(1024, 'x') << std::flush;
    }
    SettingsStore s = Store();
    s.SetRegistry();
    if (fs::exists(File()) || s.Brightness() != kDefaultBrightness) return 1;
    fs::remove(folder / "filler");
    Store().SetRegistry();
    return TempConfigHome::Slurp(File()) == complete ? 0 : 2;
  });
  if (code == 77) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

TEST_F(SettingsFaults, TwoFirstRunsAtOnceBothRunAndNeitherSeesAPartialKey) {
  for (int i = 0; i < 20; ++i) {
    fs::remove_all(File().parent_path());
    pid_t pids[2];
    for (pid_t& pid : pids) {
      pid = ::fork();
      if (pid == 0) {
        try {
          Store().SetRegistry();
          SettingsStore again = Store();
          again.SetRegistry();
          ::_exit(again.GetWeatherCode() == kDefaultWeatherCode ? 0 : 1);
        } catch (...) {
          ::_exit(99);
        }
      }
    }
    for (pid_t pid : pids) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << i << ": " << status;
    }
    ExpectNextStartRuns();
  }
}

}  // namespace
}  // namespace lunvale::settings
