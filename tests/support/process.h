// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/scratch.h"

namespace lunvale::testing {

// Child processes, on POSIX. The scratch folders and variables they use are in support/scratch.h.

// A child process with its standard output and error captured to files.
class ChildProcess {
 public:
  // Starts `argv[0]` with the arguments; `env` entries are set (an empty value unsets the variable).
  ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  // Waits for the exit; the exit code, or nothing when it did not end in time (it is then killed).
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  std::string Stdout() const;
  std::string Stderr() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string out_path_;
  std::string err_path_;
};

// Runs a command to completion and returns its standard output (empty when it fails to start).
std::string RunAndCapture(const std::vector<std::string>& argv, std::chrono::milliseconds timeout,
                          int* exit_code = nullptr);

}  // namespace lunvale::testing
