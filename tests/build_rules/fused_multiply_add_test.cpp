// The build must never fuse a*b+c into one rounding: this file is compiled
// for the very processor it runs on (-march=native, which enables the fused
// instruction where the processor has it), and still must see two roundings.

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Runtime values, so that nothing is folded at compile time.
volatile double a_in = 1.0 + 0x1p-30;
volatile double b_in = 1.0 - 0x1p-30;
volatile double c_in = -1.0;

double multiply_add(double a, double b, double c) { return a * b + c; }

TEST(FloatingPointRules, ProductAndSumAreRoundedSeparately)
{
    const double a = a_in, b = b_in, c = c_in;
    // a*b = 1 - 2^-60 exactly, which rounds to 1.0; adding -1 then gives 0.
    // A fused operation would keep the product exact and give -2^-60.
    EXPECT_EQ(multiply_add(a, b, c), 0.0);
    EXPECT_EQ(a * b + c, 0.0);
    EXPECT_EQ(std::fma(a, b, c), -0x1p-60);
}

TEST(FloatingPointRules, DoublesAreNotKeptInExtendedPrecision)
{
    // 1 + 2^-53 rounds back to 1 in double; an 80-bit intermediate would keep
    // it and the difference below would be 2^-53.
    volatile double tiny = 0x1p-53;
    const double one_plus = 1.0 + tiny;
    EXPECT_EQ(one_plus - 1.0, 0.0);
}

}  // namespace
