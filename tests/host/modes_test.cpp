#include <gtest/gtest.h>

#include "host/error_report.h"
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

TEST(ErrorReport, AddsAFullStopOnlyAfterALetterOrDigit) {
  EXPECT_EQ(ExceptionMessageText("'47x1' is not a valid integer value"),
            "'47x1' is not a valid integer value.");
  EXPECT_EQ(ExceptionMessageText("Failed to get data for 'Brightness'"),
            "Failed to get data for 'Brightness'");
  EXPECT_EQ(ExceptionMessageText("Done."), "Done.");
  EXPECT_EQ(ExceptionMessageText(""), "");
}

}  // namespace
}  // namespace lunvale::host
