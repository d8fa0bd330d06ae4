// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lunvale::testing {

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

// A temporary folder removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace lunvale::testing
