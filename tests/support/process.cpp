// SPDX-License-Identifier: MIT
#include "support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace lunvale::testing {

namespace {

std::string MakeTemp(const char* pattern) {
  std::string path = (std::filesystem::temp_directory_path() / pattern).string();
  int fd = mkstemp(path.data());
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  close(fd);
  return path;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& env)
    : out_path_(MakeTemp("lunvale-out-XXXXXX")), err_path_(MakeTemp("lunvale-err-XXXXXX")) {
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    // A group of its own, so that helpers it forks (a message box does) go with it.
    setpgid(0, 0);
    int out = open(out_path_.c_str(), O_WRONLY | O_TRUNC);
    int err = open(err_path_.c_str(), O_WRONLY | O_TRUNC);
    int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    for (const auto& [name, value] : env) {
      if (value.empty()) {
        unsetenv(name.c_str());
      } else {
        setenv(name.c_str(), value.c_str(), 1);
      }
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  setpgid(pid_, pid_);  // also here, so that a kill right after the start reaches the group
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) kill(-pid_, SIGKILL);
  Wait(std::chrono::milliseconds(2000));
  std::filesystem::remove(out_path_);
  std::filesystem::remove(err_path_);
}

bool ChildProcess::Running() {
  if (status_ || pid_ <= 0) return false;
  int status = 0;
  pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
  }
  return r == 0;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Running()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(-pid_, SIGKILL);
      int status = 0;
      waitpid(pid_, &status, 0);
      status_ = 128 + SIGKILL;
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status_;
}

std::string ChildProcess::Stdout() const {
  return ReadFile(out_path_);
}
std::string ChildProcess::Stderr() const {
  return ReadFile(err_path_);
}

std::string RunAndCapture(const std::vector<std::string>& argv, std::chrono::milliseconds timeout,
                          int* exit_code) {
  ChildProcess child(argv);
  auto code = child.Wait(timeout);
  if (exit_code != nullptr) *exit_code = code.value_or(-1);
  return child.Stdout();
}

}  // namespace lunvale::testing
