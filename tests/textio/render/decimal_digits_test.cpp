#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "exact_reference.h"
#include "textio/render/render.h"
#include "textio/render/render_detail.h"

namespace {

using textio::decimal_digits;
using textio::DigitString;

std::string text_of(const DigitString& digits) { return {digits.digits, static_cast<size_t>(digits.count)}; }

// Compares decimal_digits with the exact reference; returns false on a
// mismatch after recording it.
bool matches_reference(double value)
{
    int x = 0;
    const std::string expected = reference::expected_digits(value, x);
    const DigitString got = decimal_digits(value);
    const bool ok = got.valid && text_of(got) == expected && got.exponent == x && got.negative == std::signbit(value);
    EXPECT_TRUE(ok) << std::hexfloat << value << ": expected 0." << expected << "e" << x << ", got 0." << text_of(got)
                    << "e" << got.exponent;
    return ok;
}

TEST(DecimalDigits, MatchesExactReferenceOnRandomDoublesOfEveryMagnitude)
{
    std::mt19937_64 random(20261208);
    int failures = 0;
    for (int i = 0; i < 1'000'000 && failures < 10; ++i) {
        std::uint64_t bits = random();
        if (i % 8 == 0) bits &= 0x800fffffffffffffull;  // subnormal
        const double value = std::bit_cast<double>(bits);
        if (!std::isfinite(value) || value == 0) continue;
        failures += !matches_reference(value);
    }
    EXPECT_EQ(failures, 0);
}

// Values whose 18th and later digits are 4999... or 5000..., their
// neighbours, exact powers of two and ten, and the extremes of the range.
TEST(DecimalDigits, MatchesExactReferenceOnHardCases)
{
    std::mt19937_64 random(7);
    int failures = 0;
    for (int i = 0; i < 100'000 && failures < 10; ++i) {
        const std::uint64_t prefix = 10'000'000'000'000'000ull + random() % 90'000'000'000'000'000ull;
        const int exponent = static_cast<int>(random() % 630) - 320;
        const char* tail = i % 2 ? "4999999999" : "5000000000";
        const std::string text = std::to_string(prefix) + tail + "e" + std::to_string(exponent);
        const double value = std::strtod(text.c_str(), nullptr);
        if (!std::isfinite(value) || value == 0) continue;
        for (double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e308)})
            if (v != 0) failures += !matches_reference(v);
    }
    for (int k = -1074; k <= 1023; ++k) failures += !matches_reference(std::ldexp(1.0, k));
    for (int k = -323; k <= 308; ++k)
        failures += !matches_reference(std::strtod(("1e" + std::to_string(k)).c_str(), nullptr));
    for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::denorm_min(), 9007199254740993.0, 1e22, 1e23, 123456789012345678.0,
                     0.1, 1.0 / 3.0, -2.5e-300})
        failures += !matches_reference(v);
    EXPECT_EQ(failures, 0);
}

TEST(DecimalDigits, RoundsEighteenTruncatedDigitsToSeventeen)
{
    // 1/7 = 0.142857142857142849212692681248881854116916656494140625
    const DigitString seventh = decimal_digits(1.0 / 7.0);
    EXPECT_EQ(text_of(seventh), "14285714285714285");
    EXPECT_EQ(seventh.exponent, 0);
    const DigitString two_thirds = decimal_digits(2.0 / 3.0);
    EXPECT_EQ(text_of(two_thirds), "66666666666666663");
}

TEST(DecimalDigits, ZeroOfEitherSignIsTheDigitZeroWithoutSign)
{
    for (double zero : {0.0, -0.0}) {
        const DigitString digits = decimal_digits(zero);
        EXPECT_TRUE(digits.valid);
        EXPECT_FALSE(digits.negative);
        EXPECT_EQ(text_of(digits), "0");
        EXPECT_EQ(digits.exponent, 0);
    }
}

TEST(DecimalDigits, InfinitiesAndNotANumbersCarryTheirMarkers)
{
    const auto marker = [](std::uint64_t bits) {
        const DigitString digits = decimal_digits(std::bit_cast<double>(bits));
        EXPECT_FALSE(digits.valid);
        return text_of(digits);
    };
    EXPECT_EQ(marker(0x7ff0000000000000ull), "1#INF");
    EXPECT_EQ(marker(0xfff0000000000000ull), "1#INF");
    EXPECT_EQ(marker(0x7ff0000000000001ull), "1#SNAN");
    EXPECT_EQ(marker(0xfff8000000000000ull), "1#IND");
    EXPECT_EQ(marker(0x7ff8000000000000ull), "1#QNAN");
    EXPECT_EQ(marker(0xfff8000000000001ull), "1#QNAN");
}

TEST(RoundDigits, CarriesThroughNinesAndReportsACarryOutOfTheFirstDigit)
{
    DigitString digits = decimal_digits(0.99996);
    EXPECT_TRUE(textio::round_digits(digits, 4));
    EXPECT_EQ(text_of(digits), "1000");
    EXPECT_EQ(digits.exponent, 1);

    digits = decimal_digits(0.12345);
    EXPECT_FALSE(textio::round_digits(digits, 3));
    EXPECT_EQ(text_of(digits), "123");

    digits = decimal_digits(0.6);
    EXPECT_TRUE(textio::round_digits(digits, 0));
    EXPECT_EQ(text_of(digits), "1");
    EXPECT_EQ(digits.exponent, 1);

    digits = decimal_digits(-0.4);
    EXPECT_FALSE(textio::round_digits(digits, 0));
    EXPECT_EQ(digits.count, 0);
    EXPECT_FALSE(digits.negative);
}

}  // namespace

namespace {

// The exact conversion that backs the fast path when its product cannot
// decide the truncation.
TEST(DecimalDigits, ExactFallbackMatchesReference)
{
    std::mt19937_64 random(99);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::fabs(std::bit_cast<double>(random() & 0x7fefffffffffffffull));
        if (value == 0) continue;
        std::uint64_t m = 0;
        int e = 0;
        reference::split_double(value, m, e);
        int x = 0, expected_x = 0;
        const std::uint64_t got = textio::detail::exact_leading_digits(value, m, e, x);
        ASSERT_EQ(got, reference::leading_digits(value, expected_x)) << std::hexfloat << value;
        ASSERT_EQ(x, expected_x);
    }
}

}  // namespace
