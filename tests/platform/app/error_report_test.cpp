// SPDX-License-Identifier: MIT
#include "platform/app/error_report.h"

#include <gtest/gtest.h>

namespace lunvale::platform {
namespace {

TEST(ErrorReport, AddsAFullStopOnlyAfterALetterOrDigit) {
  EXPECT_EQ(ExceptionMessageText("'47x1' is not a valid integer value"),
            "'47x1' is not a valid integer value.");
  EXPECT_EQ(ExceptionMessageText("Failed to get data for 'Brightness'"),
            "Failed to get data for 'Brightness'");
  EXPECT_EQ(ExceptionMessageText("Done."), "Done.");
  EXPECT_EQ(ExceptionMessageText("Why?"), "Why?");
  EXPECT_EQ(ExceptionMessageText("Error 404"), "Error 404.");
  EXPECT_EQ(ExceptionMessageText(""), "");
}

}  // namespace
}  // namespace lunvale::platform
