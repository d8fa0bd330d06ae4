// SPDX-License-Identifier: MIT
// The module's RCDATA resources are the files of assets/, byte for byte, found under their stems.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/resources.h"

namespace lunvale::platform {
namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

TEST(ResourcesWin32, EveryAssetIsFoundByteForByteUnderItsStemInAnyCase) {
  namespace fs = std::filesystem;
  std::vector<std::string> stems;
  for (const auto& entry : fs::directory_iterator(fs::path(LUNVALE_SOURCE_DIR) / "assets")) {
    const std::string file = entry.path().filename().string();
    if (!entry.is_regular_file() || file.starts_with(".") || file.starts_with("README")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    const std::string stem = entry.path().stem().string();
    for (const std::string& name : {stem, Upper(stem)}) {
      SCOPED_TRACE(name);
      const auto found = FindResource(name);
      ASSERT_TRUE(found.has_value());
      EXPECT_TRUE(std::equal(found->begin(), found->end(), bytes.begin(), bytes.end()));
    }
    stems.push_back(Upper(stem));
  }
  // The names as Windows keeps them: in capitals, sorted.
  std::sort(stems.begin(), stems.end());
  const auto names = ResourceNames();
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()), stems);
}

TEST(ResourcesWin32, NamesThatAreNotOursFindNothing) {
  using namespace std::string_view_literals;
  for (const auto name : {"NOSUCHRESOURCE"sv, ""sv, "#1"sv, "#10"sv, "QIM1.jpg"sv, "QIM1\0x"sv})
    EXPECT_FALSE(FindResource(name).has_value()) << name;
}

}  // namespace
}  // namespace lunvale::platform
