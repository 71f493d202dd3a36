#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "field.h"

namespace {

using namespace textio;

EditState e_item(int w, int d, int scale = 1) { return item_of(item_real_e, w, d, scale); }

TEST(RenderReal, ProgramFieldsUnderScaleFactorOne)
{
    struct Row {
        double value;
        const char* e25;
        const char* e20;
        const char* e18;
    };
    const Row rows[] = {
        {1.0, "    1.000000000000000E+00", "     1.000000000E+00", "  1.0000000000E+00"},
        {-0.5, "   -5.000000000000000E-01", "    -5.000000000E-01", " -5.0000000000E-01"},
        {0.0, "    0.000000000000000E+00", "     0.000000000E+00", "  0.0000000000E+00"},
        {-0.0, "    0.000000000000000E+00", "     0.000000000E+00", "  0.0000000000E+00"},
        {12345.678, "    1.234567800000000E+04", "     1.234567800E+04", "  1.2345678000E+04"},
        {1.0E-05, "    1.000000000000000E-05", "     1.000000000E-05", "  1.0000000000E-05"},
        {0.1, "    1.000000000000000E-01", "     1.000000000E-01", "  1.0000000000E-01"},
        {2.0 / 3.0, "    6.666666666666666E-01", "     6.666666667E-01", "  6.6666666667E-01"},
        {1.0 / 7.0, "    1.428571428571429E-01", "     1.428571429E-01", "  1.4285714286E-01"},
        {9999999999.9, "    9.999999999900000E+09", "     1.000000000E+10", "  9.9999999999E+09"},
        {1.0E-100, "    1.000000000000000-100", "     1.000000000-100", "  1.0000000000-100"},
        {-1.5E+300, "   -1.500000000000000+300", "    -1.500000000+300", " -1.5000000000+300"},
        {std::numeric_limits<double>::denorm_min(), "    4.940656458412465-324", "     4.940656458-324",
         "  4.9406564584-324"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(real_field(row.value, e_item(25, 15)), row.e25) << row.value;
        EXPECT_EQ(real_field(row.value, e_item(20, 9)), row.e20) << row.value;
        EXPECT_EQ(real_field(row.value, e_item(18, 10)), row.e18) << row.value;
    }
}

TEST(RenderReal, InfinitiesAndNotANumbersFillTheFieldWithMarkerAndDots)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(real_field(infinity, e_item(25, 15)), "1#INF" + std::string(20, '.'));
    EXPECT_EQ(real_field(-infinity, e_item(20, 9)), "1#INF" + std::string(15, '.'));
    EXPECT_EQ(real_field(infinity, e_item(18, 10)), "1#INF" + std::string(13, '.'));
    EXPECT_EQ(real_field(std::bit_cast<double>(0xfff8000000000000ull), e_item(8, 2)), "1#IND...");
    EXPECT_EQ(real_field(std::bit_cast<double>(0x7ff8000000000000ull), e_item(4, 2)), "1#QN");
}

TEST(RenderReal, MoreThanSixteenDigitsRequestedArePaddedWithZeros)
{
    EXPECT_EQ(real_field(1.0 / 3.0, e_item(30, 20)), "    3.33333333333333300000E-01");
}

TEST(RenderReal, PlusSignModeAndScaleFactors)
{
    EditState plus = e_item(25, 15);
    plus.plus_sign = true;
    EXPECT_EQ(real_field(0.0, plus), "   +0.000000000000000E+00");
    EXPECT_EQ(real_field(1234.5, e_item(12, 4, 0)), "   .1235E+04");
    EXPECT_EQ(real_field(1234.5, e_item(12, 4, -1)), "   .0123E+05");
    EXPECT_EQ(real_field(1234.5, e_item(12, 4, 2)), "  12.345E+02");
    EXPECT_EQ(real_field(0.5, e_item(6, 0, 0)), "0.E+01");
}

TEST(RenderReal, ExplicitExponentWidths)
{
    EXPECT_EQ(real_field(1.0E-100, item_of(item_real_e, 14, 4, 1, 3)), "   1.0000E-100");
    EXPECT_EQ(real_field(1.5E+10, item_of(item_real_e, 12, 3, 1, 4)), " 1.500E+0010");
    // The exponent does not fit in one digit.
    EXPECT_EQ(real_field(1.5E+10, item_of(item_real_e, 12, 3, 1, 1)), "************");
    // 520 significant digits or more: the overflow result, and nothing written.
    char untouched[textio::field_buffer_size];
    std::memset(untouched, '#', sizeof untouched);
    EXPECT_EQ(textio::render_real(1.0, item_of(item_real_e, 600, 560), untouched), render_overflow_digits);
    EXPECT_EQ(std::string(untouched, sizeof untouched), std::string(sizeof untouched, '#'));
}

TEST(RenderReal, DEsAndEnForms)
{
    EXPECT_EQ(real_field(-2.5, item_of(item_real_d, 12, 4, 1)), " -2.5000D+00");
    EXPECT_EQ(real_field(12345.0, item_of(item_extended, 11, 3, 0, 2, extended_scientific)), "  1.235E+04");
    EXPECT_EQ(real_field(12345.0, item_of(item_extended, 11, 3, 0, 2, extended_engineering)), " 12.345E+03");
    EXPECT_EQ(real_field(0.000999999, item_of(item_extended, 11, 2, 0, 2, extended_engineering)), "   1.00E-03");
    EXPECT_EQ(real_field(999.9996, item_of(item_extended, 12, 3, 0, 2, extended_engineering)), "   1.000E+03");
    EXPECT_EQ(real_field(2.5, item_of(item_extended, 11, 2, 1, 2, extended_real_e_d_letter)), "   2.50D+00");
}

TEST(RenderReal, FixedPoint)
{
    EXPECT_EQ(real_field(3.14159, item_of(item_fixed, 8, 3)), "   3.142");
    EXPECT_EQ(real_field(-3.14159, item_of(item_fixed, 8, 3)), "  -3.142");
    EXPECT_EQ(real_field(0.5, item_of(item_fixed, 6, 3)), "  .500");
    EXPECT_EQ(real_field(0.0, item_of(item_fixed, 5, 2)), "  .00");
    EXPECT_EQ(real_field(-0.001, item_of(item_fixed, 5, 2)), "  .00");
    EXPECT_EQ(real_field(0.006, item_of(item_fixed, 5, 2)), "  .01");
    EXPECT_EQ(real_field(99.96, item_of(item_fixed, 6, 1)), " 100.0");
    EXPECT_EQ(real_field(1.5, item_of(item_fixed, 6, 1, 2)), " 150.0");
    EXPECT_EQ(real_field(12345.6, item_of(item_fixed, 5, 1)), "*****");
}

TEST(RenderReal, GeneralChoosesFixedOrExponentByMagnitude)
{
    EXPECT_EQ(real_field(1.5, item_of(item_general, 12, 4)), "   1.500    ");
    EXPECT_EQ(real_field(0.25, item_of(item_general, 12, 4)), "   .2500    ");
    EXPECT_EQ(real_field(99999.0, item_of(item_general, 12, 4)), "   .1000E+06");
    EXPECT_EQ(real_field(0.01, item_of(item_general, 12, 4)), "   .1000E-01");
    EXPECT_EQ(real_field(0.0, item_of(item_general, 12, 4)), "    .000    ");
}

TEST(RenderReal, BitPatternForms)
{
    EXPECT_EQ(real_bits_field(1.0, item_of(item_hexadecimal, 16)), "3FF0000000000000");
    EXPECT_EQ(real_bits_field(-2.0, item_of(item_extended, 4, 1, 0, 2, extended_octal)), "****");
}

}  // namespace

namespace {

// E and D fields as the digit string lays them out: decimal_digits rounded
// by round_digits, the point placed by the scale factor, then the exponent;
// empty when the exponent does not fit.
std::string by_digit_string(double value, const textio::EditState& item)
{
    textio::DigitString digits = textio::decimal_digits(value);
    const bool zero = digits.digits[0] == '0';
    const int k = item.scale, s = k > 0 ? item.d + 1 : item.d + k;
    textio::round_digits(digits, std::min(s, textio::real64_digit_limit));
    const auto digit = [&](int i) { return i < digits.count ? digits.digits[i] : '0'; };
    std::string text = digits.negative ? "-" : item.plus_sign ? "+" : "";
    for (int i = 0; i < k; ++i) text += digit(i);
    if (k == 0 && s == 0) text += '0';
    text += '.';
    if (k <= 0) text += std::string(static_cast<size_t>(-k), '0');
    for (int i = std::max(k, 0); i < std::max(k, 0) + (k > 0 ? s - k : s); ++i) text += digit(i);
    const int x = zero ? 0 : digits.exponent - k;
    const std::string magnitude = std::to_string(std::abs(x));
    if (item.e == 2 && magnitude.size() == 3) return text + (x < 0 ? '-' : '+') + magnitude;
    if (magnitude.size() > static_cast<size_t>(item.e)) return "";
    return text + (item.code == textio::item_real_d ? 'D' : 'E') + (x < 0 ? '-' : '+') +
           std::string(static_cast<size_t>(item.e) - magnitude.size(), '0') + magnitude;
}

// Random doubles of every magnitude, and values whose digits beyond the
// 16th or 17th lie at a rounding boundary, under every scale factor, digit
// count (up to beyond what a double carries), exponent width and sign mode.
TEST(RenderReal, EAndDFieldsAgreeWithTheDigitStringLayout)
{
    std::mt19937_64 random(3);
    char text[textio::field_buffer_size];
    int failures = 0;
    for (int i = 0; i < 300'000 && failures < 10; ++i) {
        double value = std::bit_cast<double>(random());
        if (i % 3 == 0) {
            const std::string digits = std::to_string(1'000'000'000'000'000ull + random() % 9'000'000'000'000'000ull);
            value = std::strtod(
                (digits + (i % 2 ? "5" : "49999") + "e" + std::to_string(static_cast<int>(random() % 600) - 300))
                    .c_str(),
                nullptr);
        }
        if (!std::isfinite(value)) continue;
        if (i % 101 == 0) value = i % 2 ? 0.0 : -0.0;
        textio::EditState item =
            item_of(i % 4 ? textio::item_real_e : textio::item_real_d, 40, static_cast<int>(random() % 21),
                    static_cast<int>(random() % 6) - 2, i % 7 ? 2 : 1 + static_cast<int>(random() % 3));
        if (item.scale < 0 && -item.scale > item.d) item.scale = 0;
        item.plus_sign = i % 5 == 0;
        const int length = textio::render_real(value, item, text);
        const std::string got = length < 0 ? "" : std::string(text, static_cast<size_t>(length));
        const std::string expected = by_digit_string(value, item);
        failures += got != expected;
        EXPECT_EQ(got, expected) << std::hexfloat << value << " E" << item.w << '.' << item.d << 'E' << item.e
                                 << " under " << item.scale << 'P';
    }
}

// In place, the text ends exactly at the end given and nothing else is
// written: not before it, not past the end, and nothing at all when it is
// longer than the room given.
TEST(RenderReal, InPlaceTheTextEndsAtItsEndAndStaysInItsRoom)
{
    const struct {
        double value;
        textio::EditState item;
    } cases[] = {
        {-1.0 / 7.0, item_of(textio::item_real_e, 25, 15, 1)},
        {1.0e-100, item_of(textio::item_real_e, 20, 9, 1)},
        {9999999999.9, item_of(textio::item_real_d, 18, 10, 1)},
        {0.0, item_of(textio::item_real_e, 12, 4, -2)},
        {12345.0, item_of(textio::item_extended, 11, 3, 0, 2, textio::extended_engineering)},
        {2.5, item_of(textio::item_real_e, 40, 30, 3, 4)},
        {std::numeric_limits<double>::infinity(), item_of(textio::item_real_e, 9, 2, 1)},
    };
    char text[textio::field_buffer_size];
    char record[128];
    for (const auto& c : cases) {
        const int length = textio::render_real(c.value, c.item, text);
        ASSERT_GT(length, 0);
        for (const int room : {length, length - 1}) {
            std::memset(record, '#', sizeof record);
            char* const end = record + 100;
            EXPECT_EQ(textio::render_scientific(c.value, c.item, end, room), length);
            const std::string expected = room < length ? std::string(sizeof record, '#')
                                                       : std::string(static_cast<size_t>(100 - length), '#') +
                                                             std::string(text, static_cast<size_t>(length)) +
                                                             std::string(sizeof record - 100, '#');
            EXPECT_EQ(std::string(record, sizeof record), expected) << c.value << " in room " << room;
        }
    }
}

}  // namespace
