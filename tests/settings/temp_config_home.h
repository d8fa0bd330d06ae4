// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/system/registry.h"

namespace lunvale::testing_support {

// Each test gets its own empty XDG_CONFIG_HOME, so the hive file starts absent.
class TempConfigHome : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "lunvale-cfg-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    home_ = tmpl;
    ::setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
  }
  void TearDown() override {
    // Tests take write bits away; give them back so that everything can be removed.
    std::error_code ec;
    for (auto& p : std::filesystem::recursive_directory_iterator(home_, ec))
      std::filesystem::permissions(p.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(home_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(home_, ec);
  }

  std::filesystem::path File() const { return platform::RegistryFilePath(); }

  static std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void Put(const std::string& bytes) const {
    std::filesystem::create_directories(File().parent_path());
    std::ofstream(File(), std::ios::binary) << bytes;
  }
  static void ChangeMode(const std::filesystem::path& p, mode_t mode) {
    ASSERT_EQ(::chmod(p.c_str(), mode), 0);
  }

  std::filesystem::path home_;
};

}  // namespace lunvale::testing_support
