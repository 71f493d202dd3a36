// Problem sizes that the field arrays cannot serve are refused before any
// array is allocated; zero sizes are left to the division-by-zero stop.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "support/slab_case.h"

namespace {

using driver::state;

void run_with_sizes(int N, int nt)
{
    testing_support::set_slab_case({.N = N, .nt = nt});
    driver::simular();
}

TEST(ProblemSizeDeathTest, SingleVolumeIsRefused)
{
    EXPECT_EXIT(run_with_sizes(1, 5), testing::ExitedWithCode(1), "F6779");
}

TEST(ProblemSizeDeathTest, NegativeSizesAreRefused)
{
    EXPECT_EXIT(run_with_sizes(-3, 5), testing::ExitedWithCode(1), "F6779");
    EXPECT_EXIT(run_with_sizes(4, -1), testing::ExitedWithCode(1), "F6779");
}

}  // namespace
