// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/system/resources.h"

namespace lunvale::platform {
namespace {

TEST(Resources, EveryAssetIsEmbeddedByteForByteUnderItsStem) {
  namespace fs = std::filesystem;
  int seen = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(LUNVALE_SOURCE_DIR) / "assets")) {
    if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".") ||
        entry.path().filename().string().starts_with("README"))
      continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto res = FindResource(entry.path().stem().string());
    ASSERT_TRUE(res.has_value()) << entry.path();
    EXPECT_TRUE(std::equal(res->begin(), res->end(), bytes.begin(), bytes.end())) << entry.path();
    ++seen;
  }
  EXPECT_GT(seen, 0);
  EXPECT_EQ(static_cast<size_t>(seen), ResourceNames().size());
}

TEST(Resources, UnknownAndCaseDifferentNamesAreNotFound) {
  EXPECT_FALSE(FindResource("NOSUCHRESOURCE").has_value());
  EXPECT_FALSE(FindResource("previewbmp").has_value());
  EXPECT_FALSE(FindResource("").has_value());
}

}  // namespace
}  // namespace lunvale::platform
