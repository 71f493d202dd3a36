// Converting tokens: integers, reals through the extended format, logicals,
// characters and complex values.

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "platform/system.h"
#include "process/error_numbers.h"
#include "textio/listread/extended_rounding.h"
#include "textio/listread/integer_conversion.h"
#include "textio/listread/item_conversion.h"
#include "textio/listread/real_conversion.h"

namespace textio::listread {
namespace {

using namespace process::errors;

process::RuntimeError integer_error(std::string_view text, int bytes = 4)
{
    std::int32_t value = 12345;
    const process::RuntimeError error = convert_integer_text(text, bytes, value);
    if (error) {
        EXPECT_EQ(value, 12345) << text;  // left as it was
    }
    return error;
}

std::int32_t integer_value(std::string_view text, int bytes = 4)
{
    std::int32_t value = 0;
    EXPECT_EQ(convert_integer_text(text, bytes, value), no_error) << text;
    return value;
}

double real_value(std::string_view text)
{
    double value = -99.0;
    EXPECT_EQ(convert_real8_text(text, value), no_error) << text;
    return value;
}

process::RuntimeError real_error(std::string_view text)
{
    double value = -99.0;
    const process::RuntimeError error = convert_real8_text(text, value);
    EXPECT_EQ(value, -99.0) << text;
    return error;
}

// (bits_of and random_decimal serve the comparison with the processor's
// extended format, which builds without that format leave out.)
[[maybe_unused]] std::uint64_t bits_of(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

TEST(IntegerConversion, DecimalRangeOfEachSize)
{
    EXPECT_EQ(integer_value("50"), 50);
    EXPECT_EQ(integer_value("-2147483648"), INT32_MIN);
    EXPECT_EQ(integer_value("+2147483647"), INT32_MAX);
    EXPECT_EQ(integer_value("+"), 0);
    EXPECT_EQ(integer_value("-"), 0);
    EXPECT_EQ(integer_error("2147483648"), integer_out_of_range);
    EXPECT_EQ(integer_error("-2147483649"), integer_out_of_range);
    EXPECT_EQ(integer_error("99999999999999999999999999"), integer_out_of_range);
    EXPECT_EQ(integer_value("-128", 1), -128);
    EXPECT_EQ(integer_error("128", 1), integer_out_of_range);
    EXPECT_EQ(integer_value("-32768", 2), -32768);
    EXPECT_EQ(integer_error("32768", 2), integer_out_of_range);
    // Only that exact text reaches -2147483648: a leading zero or a base of
    // ten gives the plain magnitude, which is too large.
    EXPECT_EQ(integer_error("-02147483648"), integer_out_of_range);
    EXPECT_EQ(integer_error("-10#2147483648"), integer_out_of_range);
    EXPECT_EQ(integer_error("-2147483648", 2), integer_out_of_range);
    EXPECT_EQ(integer_value("-02147483647"), -2147483647);
}

TEST(IntegerConversion, RealsAndWordsAreNotIntegers)
{
    for (const char* text : {"100.0", "1e3", "12abc", "1-", "+-5", "1 2", "0x10"})
        EXPECT_EQ(integer_error(text), bad_integer_character) << text;
}

TEST(IntegerConversion, IntegersWithABase)
{
    EXPECT_EQ(integer_value("16#FF"), 255);
    EXPECT_EQ(integer_value("16#ff"), 255);
    EXPECT_EQ(integer_value("2#101"), 5);
    EXPECT_EQ(integer_value("36#zz"), 1295);
    EXPECT_EQ(integer_value("-16#FF"), -255);
    EXPECT_EQ(integer_value("16#FFFFFFFF"), -1);  // every bit of the item
    EXPECT_EQ(integer_value("16#80000000"), INT32_MIN);
    EXPECT_EQ(integer_error("16#100000000"), integer_out_of_range);
    EXPECT_EQ(integer_error("10#2147483648"), integer_out_of_range);
    EXPECT_EQ(integer_error("37#1"), bad_base);
    EXPECT_EQ(integer_error("1#1"), bad_base);
    EXPECT_EQ(integer_error("#1"), bad_base);
    EXPECT_EQ(integer_error("16#F#F"), second_base_mark);
    EXPECT_EQ(integer_error("8#9"), bad_integer_character);
}

// A value with a base is a 32-bit pattern; the number it stands for must
// fit a 1- or 2-byte item like any other.
TEST(IntegerConversion, ValuesWithABaseMustFitSmallItems)
{
    const struct {
        const char* text;
        int bytes;
        process::RuntimeError error;
        std::int32_t value;
    } cases[] = {
        {"16#FF", 1, integer_out_of_range, 0},   {"16#7F", 1, no_error, 127},
        {"-16#80", 1, no_error, -128},           {"-16#81", 1, integer_out_of_range, 0},
        {"16#FFFFFFFF", 1, no_error, -1},        {"16#FFFFFF80", 1, no_error, -128},
        {"16#8000", 2, integer_out_of_range, 0}, {"16#7FFF", 2, no_error, 32767},
        {"16#FFFF8000", 2, no_error, -32768},    {"16#FFFF7FFF", 2, integer_out_of_range, 0},
    };
    for (const auto& c : cases) {
        if (c.error)
            EXPECT_EQ(integer_error(c.text, c.bytes), c.error) << c.text << " in " << c.bytes << " bytes";
        else
            EXPECT_EQ(integer_value(c.text, c.bytes), c.value) << c.text << " in " << c.bytes << " bytes";
    }
}

TEST(RealConversion, EveryExponentFormOfOneThousandth)
{
    for (const char* text :
         {"1.0D-3", "1.0d-3", "1.0e-3", "1.0E-3", "1.0-3", ".001", "1e-3", "+1.0e-003", "0.0010", "1.0-03", "1.0+-3"}) {
        if (std::string_view(text) == "1.0+-3") {
            EXPECT_EQ(real_error(text), bad_real);
            continue;
        }
        EXPECT_EQ(real_value(text), 0.001) << text;
    }
    EXPECT_EQ(real_value("1.5-3"), 1.5e-3);
    EXPECT_EQ(real_value("100"), 100.0);
    EXPECT_EQ(real_value("5."), 5.0);
    EXPECT_EQ(real_value("-0.5"), -0.5);
}

TEST(RealConversion, NotANumberOrCharactersLeftOver)
{
    for (const char* text :
         {"theta", "0.5!", "1.5Q3", "1.2.3", "+", ".", "-.", "1e", "1e+", "1.5-", "inf", "nan", "e5", "1e5x"})
        EXPECT_EQ(real_error(text), bad_real) << text;
}

TEST(RealConversion, TwoRoundingsThroughTheExtendedFormat)
{
    // Just above 1 + 2^-53: rounded once it would give the next double; the
    // extended format holds exactly 1 + 2^-53, which then ties to even.
    EXPECT_EQ(real_value("1.000000000000000111022303"), 1.0);
    EXPECT_EQ(std::strtod("1.000000000000000111022303", nullptr), 1.0 + DBL_EPSILON);
    // The same just below the midpoint on the odd side rounds up.
    EXPECT_EQ(real_value("1.000000000000000333066907"), 1.0 + 2 * DBL_EPSILON);
    // Digits beyond the 25th do not count; integer ones still give magnitude.
    EXPECT_EQ(real_value("1.00000000000000011102230199999"), 1.0);
    EXPECT_EQ(real_value("1234567890123456789012345678901"), 1234567890123456789012345e6);
}

TEST(RealConversion, MagnitudeLimits)
{
    EXPECT_EQ(real_error("1e400"), real_too_large);
    EXPECT_EQ(real_error("-1e400"), real_too_large);
    EXPECT_EQ(real_error("1e99999999999999"), real_too_large);
    EXPECT_EQ(real_value("1.7976931348623158e308"), DBL_MAX);
    EXPECT_EQ(real_error("1.7976931348623159e308"), real_too_large);
    EXPECT_EQ(real_value("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(real_value("-1e-400")));
    EXPECT_EQ(real_value("0e999999"), 0.0);
    EXPECT_EQ(real_value("4.9406564584124654e-324"), 0x1p-1074);
    EXPECT_EQ(real_value("2.4703282292062328e-324"), 0x1p-1074);
    EXPECT_EQ(real_value("2.4703282292062327e-324"), 0.0);
    EXPECT_EQ(real_value("2.2250738585072011e-308"), 0x0.fffffffffffffp-1022);
}

// Decimal numbers just off the midpoint between two doubles, on the side
// from which one rounding to double goes the other way: rounded to the 80-bit
// format first they land on the midpoint, which then ties to even. A reader
// that rounded once would give `once` for every one of them.
struct RoundedTwice {
    const char* text;
    double twice;
    double once;
};
constexpr RoundedTwice rounded_twice[] = {
    {"1.000000000000000111022303", 0x1.0000000000000p+0, 0x1.0000000000001p+0},
    {"1.000000000000000333066907", 0x1.0000000000002p+0, 0x1.0000000000001p+0},
    {"1.607262910779401100383991e301", 0x1.8000000000000p+1000, 0x1.8000000000001p+1000},
    {"-1.071508607186267677832483e301", -0x1.0000000000002p+1000, -0x1.0000000000001p+1000},
    {"1.166579523129023909576839e-301", 0x1.4000000000002p-1000, 0x1.4000000000001p-1000},
    {"1.235164114603116360441422e-323", 0x0.0000000000002p-1022, 0x0.0000000000003p-1022},  // subnormal
    {"1.797693134862315608353259e308", 0x1.ffffffffffffep+1023, 0x1.fffffffffffffp+1023},
};

// Both ways of rounding twice give the same doubles, and the reader takes
// the processor's way where it has the 80-bit format, the software one
// elsewhere; also under the floating-point control of the run, which sets the
// x87 unit's precision to that of a double on Windows.
TEST(RealConversion, ValuesNearAMidpointRoundTwiceOnEveryPath)
{
    for (const auto& [text, twice, once] : rounded_twice) {
        ASSERT_EQ(bits_of(std::strtod(text, nullptr)), bits_of(once)) << text << ": one rounding must differ";
        DecimalNumber number;
        ASSERT_EQ(scan_real_text(text, number), no_error) << text;
        double in_software = 0;
        EXPECT_TRUE(round_extended_to_double(round_to_extended(number), in_software)) << text;
        EXPECT_EQ(bits_of(in_software), bits_of(twice)) << text << " rounded in software";
#ifdef DIFUSAO_HARDWARE_EXTENDED
        double by_library = 0;
        EXPECT_TRUE(decimal_to_double_by_library(number, by_library)) << text;
        EXPECT_EQ(bits_of(by_library), bits_of(twice)) << text << " through the processor's 80-bit format";
#endif
        EXPECT_EQ(bits_of(real_value(text)), bits_of(twice)) << text << " as the reader reads it";
    }
    EXPECT_EXIT(
        {
            platform::fp_set_control();
            platform::fp_unmask_traps();
            int differ = 0;
            for (const auto& [text, twice, once] : rounded_twice) {
                double value = 0;
                differ += bool(convert_real8_text(text, value)) || bits_of(value) != bits_of(twice);
            }
            std::exit(differ);
        },
        testing::ExitedWithCode(0), "");
}

// Where long double is not the 80-bit format (aarch64's is the 128-bit one)
// the reader rounds in software: that format's single rounding to 113 bits
// would keep the text above the midpoint and give the next double.
TEST(RealConversion, WithoutThe80BitFormatTheReaderRoundsInSoftware)
{
#if defined(__aarch64__)
    EXPECT_FALSE(has_hardware_extended) << "aarch64 reads through the software rounding";
#endif
    if (has_hardware_extended) GTEST_SKIP() << "this build reads through the processor's 80-bit format";
    EXPECT_NE(std::numeric_limits<long double>::digits, 64);
    EXPECT_EQ(real_value("1.000000000000000111022303"), 1.0);
    if (std::numeric_limits<long double>::digits > 64) {
        EXPECT_EQ(static_cast<double>(std::strtold("1.000000000000000111022303", nullptr)), 1.0000000000000002);
    }
}

TEST(RealConversion, NoFloatingPointTrapFires)
{
    // The run traps invalid operations, divisions by zero and overflows.
    EXPECT_EXIT(
        {
            platform::fp_set_control();
            platform::fp_unmask_traps();
            double d = 0;
            float f = 0;
            int errors = 0;
            for (const char* text : {"1e400", "1.7976931348623159e308", "1.7976931348623158e308", "1e-400", "4e-324",
                                     "1e308", "-0", "1e4933", "3e38"})
                errors += bool(convert_real8_text(text, d));
            errors += bool(convert_real4_text("1e39", f));
            errors += bool(convert_real4_text("3.4028235677973366e38", f));
            std::exit(errors == 5 ? 0 : 2);
        },
        testing::ExitedWithCode(0), "");
}

TEST(RealConversion, FourByteReals)
{
    float value = 0;
    EXPECT_EQ(convert_real4_text("0.1", value), no_error);
    EXPECT_EQ(value, 0.1f);
    EXPECT_EQ(convert_real4_text("3.4028234e38", value), no_error);
    EXPECT_EQ(convert_real4_text("3.4028235e38", value), real4_too_large);
    EXPECT_EQ(convert_real4_text("-1e39", value), real4_too_large);
    EXPECT_EQ(convert_real4_text("1e400", value), real_too_large);
}

// Decimal numbers of every length and magnitude, many of them near the
// midpoint between two doubles.
[[maybe_unused]] std::string random_decimal(std::mt19937_64& random)
{
    char text[80];
    switch (random() % 3) {
    case 0: {  // random digits
        const int digits = 1 + static_cast<int>(random() % 30);
        std::string s;
        for (int i = 0; i < digits; ++i) s += static_cast<char>('0' + random() % 10);
        const int exponent = static_cast<int>(random() % 660) - 345;
        std::snprintf(text, sizeof text, "%s.%se%d", s.substr(0, 1).c_str(), s.substr(1).c_str(), exponent);
        return text;
    }
    case 1: {  // near a midpoint of doubles, normal or subnormal
        std::uint64_t bits = random() & 0x7fefffffffffffffu;
        if (random() % 8 == 0) bits &= 0x000fffffffffffffu;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        const long double midpoint = (static_cast<long double>(d) + std::nextafter(d, INFINITY)) / 2;
        const long double nudge = midpoint * (static_cast<long double>(static_cast<int>(random() % 5) - 2) * 0x1p-66L);
        std::snprintf(text, sizeof text, "%.*Le", 10 + static_cast<int>(random() % 16), midpoint + nudge);
        return text;
    }
    default: {  // ordinary data values
        std::snprintf(text, sizeof text, "%.*g", 1 + static_cast<int>(random() % 20),
                      std::ldexp(static_cast<double>(random() % 1000000), static_cast<int>(random() % 80) - 40));
        return text;
    }
    }
}

TEST(RealConversion, SoftwareRoundingAgreesWithTheExtendedFormat)
{
    if (!has_hardware_extended) GTEST_SKIP() << "no extended format to compare with";
#ifdef DIFUSAO_HARDWARE_EXTENDED
    std::mt19937_64 random(20261208);
    int differs_from_one_rounding = 0;
    for (int n = 0; n < 200000; ++n) {
        const std::string text = random_decimal(random);
        DecimalNumber number;
        ASSERT_EQ(scan_real_text(text, number), no_error) << text;
        if (number.digit_count == 0 || number.point_exponent > largest_point_exponent ||
            number.point_exponent < smallest_point_exponent)
            continue;
        double by_library = 0, in_software = 0;
        const bool library_fits = decimal_to_double_by_library(number, by_library);
        const bool software_fits = round_extended_to_double(round_to_extended(number), in_software);
        ASSERT_EQ(library_fits, software_fits) << text;
        if (library_fits) {
            ASSERT_EQ(bits_of(by_library), bits_of(in_software)) << text;
            differs_from_one_rounding += by_library != std::strtod(text.c_str(), nullptr);
        }
    }
    EXPECT_GT(differs_from_one_rounding, 100);  // the cases that matter were met
#endif
}

TEST(ItemConversion, LogicalCharacterAndComplexItems)
{
    Token token;
    auto set = [&](std::string_view text, TokenMode mode, int comma = -1) {
        std::memcpy(token.text, text.data(), text.size());
        token.length = static_cast<int>(text.size());
        token.mode = mode;
        token.comma_pos = comma;
    };
    std::int32_t logical = 7;
    set(".TRUE.", TokenMode::plain);
    EXPECT_EQ(store_token(token, &logical, ReadItemType::logical4, 0), no_error);
    EXPECT_EQ(logical, 1);
    set("false", TokenMode::plain);
    EXPECT_EQ(store_token(token, &logical, ReadItemType::logical4, 0), no_error);
    EXPECT_EQ(logical, 0);
    set(".x", TokenMode::plain);
    EXPECT_EQ(store_token(token, &logical, ReadItemType::logical4, 0), bad_logical);

    char name[6];
    set("ab", TokenMode::quoted);
    EXPECT_EQ(store_token(token, name, ReadItemType::character, sizeof name), no_error);
    EXPECT_EQ(std::string(name, sizeof name), "ab    ");
    set("abcdefgh", TokenMode::plain);
    EXPECT_EQ(store_token(token, name, ReadItemType::character, sizeof name), no_error);
    EXPECT_EQ(std::string(name, sizeof name), "abcdef");

    std::complex<double> z{9, 9};
    set("1.5,-2", TokenMode::parenthesised, 3);
    EXPECT_EQ(store_token(token, &z, ReadItemType::complex16, 0), no_error);
    EXPECT_EQ(z, std::complex<double>(1.5, -2));
    set("1.5", TokenMode::parenthesised);
    EXPECT_EQ(store_token(token, &z, ReadItemType::complex16, 0), complex_without_comma);
    set("1.5", TokenMode::plain);
    EXPECT_EQ(store_token(token, &z, ReadItemType::complex16, 0), token_kind_mismatch);
    set("1,x", TokenMode::parenthesised, 1);
    EXPECT_EQ(store_token(token, &z, ReadItemType::complex16, 0), bad_real);
    EXPECT_EQ(z, std::complex<double>(1.5, -2));  // neither part stored

    double real = 3;
    set("1.5", TokenMode::quoted);
    EXPECT_EQ(store_token(token, &real, ReadItemType::real8, 0), token_kind_mismatch);
    std::int32_t integer = 3;
    set("1,2", TokenMode::parenthesised, 1);
    EXPECT_EQ(store_token(token, &integer, ReadItemType::integer4, 0), token_kind_mismatch);
    set("", TokenMode::plain);
    EXPECT_EQ(store_token(token, &integer, ReadItemType::integer4, 0), no_error);
    EXPECT_EQ(integer, 3);  // a null value keeps the variable
}

}  // namespace
}  // namespace textio::listread
