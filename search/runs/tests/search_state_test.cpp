#include "search/runs/search_state.h"

#include <gtest/gtest.h>

namespace search::runs {
namespace {

TEST(CheckedCount, RefusesToPassThe32BitLimit) {
  EXPECT_EQ(CheckedCount(2147483647u, "lines"), 2147483647);
  try {
    CheckedCount(2147483648u, "lines in 'in.txt'");
    ADD_FAILURE() << "the count overflowed";
  } catch (const texts::SearchError& error) {
    EXPECT_STREQ(error.what(),
                 "more than 2147483647 lines in 'in.txt': the program counts at most that many");
  }
}

}  // namespace
}  // namespace search::runs
