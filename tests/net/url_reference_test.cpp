// SPDX-License-Identifier: MIT
#include "net/url_reference.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lunvale::net {
namespace {

TEST(ResolveReference, FollowsTheExamplesOfRfc3986) {
  const std::string base = "http://a/b/c/d;p?q";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"g:h", "g:h"},
      {"g", "http://a/b/c/g"},
      {"./g", "http://a/b/c/g"},
      {"g/", "http://a/b/c/g/"},
      {"/g", "http://a/g"},
      {"//g", "http://g"},
      {"?y", "http://a/b/c/d;p?y"},
      {"g?y#s", "http://a/b/c/g?y#s"},
      {"#s", "http://a/b/c/d;p?q#s"},
      {"", "http://a/b/c/d;p?q"},
      {".", "http://a/b/c/"},
      {"..", "http://a/b/"},
      {"../..", "http://a/"},
      {"../../../g", "http://a/g"},
      {"/./g", "http://a/g"},
      {"g.", "http://a/b/c/g."},
      {"g/../h", "http://a/b/c/h"},
      {"g;x=1/./y", "http://a/b/c/g;x=1/y"},
      {"news/f5.xml", "http://a/b/c/news/f5.xml"},
      {"https://other:8443/x/../y?z", "https://other:8443/y?z"},
  };
  for (const auto& [reference, target] : cases)
    EXPECT_EQ(ResolveReference(base, reference), target) << reference;
  EXPECT_EQ(ResolveReference("http://h:81", "feed.xml"), "http://h:81/feed.xml");
}

}  // namespace
}  // namespace lunvale::net
