#include "platform/FatalError.h"

#include <gtest/gtest.h>

namespace {

TEST(FatalErrorDeathTest, ShowsEveryMessageInOrderThenExitsWithOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ExitOnFatalError({"first fault", "second line"}), testing::ExitedWithCode(1),
              "Error: first fault\n(.|\n)*Error: second line");
  EXPECT_EXIT(ExitOnFatalError(), testing::ExitedWithCode(1), "^$");
}

}  // namespace
