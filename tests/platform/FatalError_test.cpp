#include "platform/FatalError.h"

#include <gtest/gtest.h>

namespace {

TEST(FatalErrorDeathTest, ShowsEveryMessageInOrderThenExitsWithOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ExitOnFatalError({"first fault", "second line"}), testing::ExitedWithCode(1),
              // In the regular expressions both POSIX and gtest's own (Windows) understand.
              "Error: first fault\\s+Error: second line");
  EXPECT_EXIT(ExitOnFatalError(), testing::ExitedWithCode(1), "^$");
}

}  // namespace
