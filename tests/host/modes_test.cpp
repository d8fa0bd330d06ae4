// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "host/modes.h"
#include "platform/system/conversions.h"

namespace lunvale::host {
namespace {

TEST(SelectMode, SwitchesPickTheirModes) {
  EXPECT_EQ(SelectMode("/p"), SaverMode::kPreview);
  EXPECT_EQ(SelectMode("-P"), SaverMode::kPreview);
  EXPECT_EQ(SelectMode("/c:4711"), SaverMode::kConfigure);
  EXPECT_EQ(SelectMode("/C"), SaverMode::kConfigure);
  EXPECT_EQ(SelectMode("-c"), SaverMode::kConfigure);
  EXPECT_EQ(SelectMode("/a"), SaverMode::kChangePassword);
  EXPECT_EQ(SelectMode("AB"), SaverMode::kChangePassword);
  EXPECT_EQ(SelectMode("/s"), SaverMode::kRun);
}

TEST(SelectMode, EverythingElseRunsTheSaver) {
  // Too short to carry a switch: no arguments, or a lone letter without prefix.
  EXPECT_EQ(SelectMode(""), SaverMode::kRun);
  EXPECT_EQ(SelectMode("s"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("c"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("p"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("/"), SaverMode::kRun);
  // Only the first character after one prefix counts.
  EXPECT_EQ(SelectMode("S1"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("/saver"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("-s"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("/x"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("//s"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("//c"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("-/c"), SaverMode::kRun);
  EXPECT_EQ(SelectMode("cp"), SaverMode::kConfigure);
  // Only ASCII letters are upper-cased; a byte above 127 is just another character.
  EXPECT_EQ(SelectMode("/\xE7"), SaverMode::kRun);
}

TEST(SelectMode, TheHandleFollowsTheSwitchAfterAColonOrAsTheNextArgument) {
  EXPECT_EQ(SwitchArgument("/p", "1234"), "1234");
  EXPECT_EQ(SwitchArgument("/p:1234", "5678"), "1234");
  EXPECT_EQ(SwitchArgument("/a:", "5678"), "");
  EXPECT_EQ(SwitchArgument("/p", ""), "");
}

TEST(StrToInt, AcceptsDecimalIntegersAndNamesTheBadText) {
  using platform::StrToInt;
  EXPECT_EQ(StrToInt("4711"), 4711);
  EXPECT_EQ(StrToInt(" 12 "), 12);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  for (const char* bad : {"47x1", "", " ", "-", "2147483648", "-2147483649", "99999999999999999999", "1 2"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const platform::EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(HostTarget, TheHostsConventionsPickTheWindow) {
  using K = HostTarget;
  EXPECT_EQ(SelectHostTarget({}, nullptr), HostTarget{});
  EXPECT_EQ(SelectHostTarget({"/s"}, ""), HostTarget{});
  EXPECT_EQ(SelectHostTarget({"-root"}, nullptr), (HostTarget{K::kRoot, 0}));
  EXPECT_EQ(SelectHostTarget({"--root"}, ""), (HostTarget{K::kRoot, 0}));
  // The host's window is the virtual root.
  EXPECT_EQ(SelectHostTarget({"-root"}, "0x2a00007"), (HostTarget{K::kWindow, 0x2a00007}));
  EXPECT_EQ(SelectHostTarget({}, "44040199"), (HostTarget{K::kWindow, 44040199}));
  EXPECT_EQ(SelectHostTarget({"-window-id", "0X1F"}, "12"), (HostTarget{K::kWindow, 31}));
  EXPECT_EQ(SelectHostTarget({"-fps", "--window-id", "77"}, nullptr), (HostTarget{K::kWindow, 77}));
  for (const char* bad : {"", "0", "0x", "12a", "0x1g", "-5", "+5", " 5", "4294967296", "0x100000000"}) {
    try {
      ParseWindowId(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid window id");
    }
  }
  EXPECT_THROW(SelectHostTarget({"-window-id"}, nullptr), std::runtime_error);
  EXPECT_THROW(SelectHostTarget({}, "xyz"), std::runtime_error);
  EXPECT_TRUE(IsHelpRequest("--help"));
  EXPECT_TRUE(IsHelpRequest("-help"));
  EXPECT_FALSE(IsHelpRequest("/h"));
}

}  // namespace
}  // namespace lunvale::host
