// Real items: the decimal digits of the value, laid out by the item.

#include <bit>
#include <cmath>

#include "textio/render/render_detail.h"

namespace textio {
namespace {

constexpr std::uint64_t powers_of_ten[18] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
};

// value / 10^n for n in 0..16 as a few divisions by constants (multiplies);
// a table of divisors would make the compiler divide for real.
inline std::uint64_t divide_by_power_of_ten(std::uint64_t value, int n)
{
    if (n >= 16) {
        value /= 10000000000000000;
        n -= 16;
    }
    if (n >= 8) {
        value /= 100000000;
        n -= 8;
    }
    if (n >= 4) {
        value /= 10000;
        n -= 4;
    }
    if (n >= 2) {
        value /= 100;
        n -= 2;
    }
    if (n >= 1) value /= 10;
    return value;
}

bool fits_scale_one_path(double value, const EditState& item)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool finite_nonzero = (bits & 0x7fffffffffffffffull) != 0 && ((bits >> 52) & 0x7ff) != 0x7ff;
    return finite_nonzero && item.scale == 1 && item.e == 2 && item.d >= 0 && item.d + 1 <= real64_digit_limit;
}

// Ew.d under 1P with d + 1 <= 16 digits and a two-digit exponent field, for
// a finite nonzero value: the two rounding steps done on the integer of the
// 17 leading digits.
int render_e_scale_one(double value, const EditState& item, char letter, char* out)
{
    int exponent;
    std::uint64_t digits = detail::seventeen_digits(value, exponent);
    const int significant = item.d + 1;
    const std::uint64_t cut = powers_of_ten[17 - significant];
    const std::uint64_t kept = divide_by_power_of_ten(digits, 17 - significant);
    const std::uint64_t dropped = digits - kept * cut;
    digits = kept;
    // Branch-free where the outcome is data-dependent (random last digits).
    digits += dropped >= cut / 2 ? 1 : 0;
    if (digits == powers_of_ten[significant]) {
        digits = powers_of_ten[significant - 1];
        ++exponent;
    }
    char* p = out;
    const bool negative = std::signbit(value);
    *p = negative ? '-' : '+';
    p += negative || item.plus_sign ? 1 : 0;
    // The digits left-aligned in 16 (zeros after them) written one place to
    // the right, then the first moved in front of the point; the zeros are
    // overwritten by the exponent.
    const std::uint64_t aligned = digits * powers_of_ten[16 - significant];
    detail::write_eight_digits(static_cast<std::uint32_t>(aligned / 100000000), p + 1);
    detail::write_eight_digits(static_cast<std::uint32_t>(aligned % 100000000), p + 9);
    p[0] = p[1];
    p[1] = '.';
    p += significant + 1;

    const int shown = exponent - 1;
    const unsigned magnitude = static_cast<unsigned>(shown < 0 ? -shown : shown);
    const char exponent_sign = shown < 0 ? '-' : '+';
    if (magnitude > 99) {
        *p++ = exponent_sign;
        *p++ = static_cast<char>('0' + magnitude / 100);
        std::memcpy(p, detail::digit_pairs + 2 * (magnitude % 100), 2);
    } else {
        *p++ = letter;
        *p++ = exponent_sign;
        std::memcpy(p, detail::digit_pairs + 2 * magnitude, 2);
    }
    return static_cast<int>(p + 2 - out);
}

}  // namespace

char* render_real_ending_at(double value, const EditState& item, char* end)
{
    if ((item.code != item_real_e && item.code != item_real_d) || !fits_scale_one_path(value, item) ||
        item.w < item.d + 7)
        return nullptr;
    int exponent;
    std::uint64_t digits = detail::seventeen_digits(value, exponent);
    const int significant = item.d + 1;
    const std::uint64_t cut = powers_of_ten[17 - significant];
    const std::uint64_t kept = divide_by_power_of_ten(digits, 17 - significant);
    const std::uint64_t dropped = digits - kept * cut;
    digits = kept + (dropped >= cut / 2 ? 1 : 0);
    if (digits == powers_of_ten[significant]) {
        digits = powers_of_ten[significant - 1];
        ++exponent;
    }
    // The digits left-aligned in 16 from where they belong (their zeros run
    // on into the exponent's place and beyond), the exponent over them, then
    // the first digit moved in front of the point.
    char* const exponent_at = end - 4;
    char* const digits_at = exponent_at - significant;
    const std::uint64_t aligned = digits * powers_of_ten[16 - significant];
    detail::write_eight_digits(static_cast<std::uint32_t>(aligned / 100000000), digits_at);
    detail::write_eight_digits(static_cast<std::uint32_t>(aligned % 100000000), digits_at + 8);

    const int shown = exponent - 1;
    const unsigned magnitude = static_cast<unsigned>(shown < 0 ? -shown : shown);
    const char exponent_sign = shown < 0 ? '-' : '+';
    if (magnitude > 99) {
        exponent_at[0] = exponent_sign;
        exponent_at[1] = static_cast<char>('0' + magnitude / 100);
        std::memcpy(exponent_at + 2, detail::digit_pairs + 2 * (magnitude % 100), 2);
    } else {
        exponent_at[0] = item.code == item_real_d ? 'D' : 'E';
        exponent_at[1] = exponent_sign;
        std::memcpy(exponent_at + 2, detail::digit_pairs + 2 * magnitude, 2);
    }
    char* start = digits_at - 1;
    start[0] = digits_at[0];
    digits_at[0] = '.';
    const bool negative = std::signbit(value);
    if (negative || item.plus_sign) *--start = negative ? '-' : '+';
    return start;
}

int render_real(double value, const EditState& item, char* out)
{
    switch (item.code) {
    case item_real_e:
        if (fits_scale_one_path(value, item)) return render_e_scale_one(value, item, 'E', out);
        return detail::render_scientific(decimal_digits(value), item, 'E', out);
    case item_real_d:
        if (fits_scale_one_path(value, item)) return render_e_scale_one(value, item, 'D', out);
        return detail::render_scientific(decimal_digits(value), item, 'D', out);
    case item_fixed: {
        const DigitString digits = decimal_digits(value);
        if (!digits.valid) return detail::render_invalid(digits, item.w, out);
        return detail::render_fixed(digits, item.d, item.scale, item.plus_sign, out);
    }
    case item_general: return detail::render_general(decimal_digits(value), item, out);
    case item_extended:
        switch (item.sub_code) {
        case extended_scientific:
        case extended_engineering: return detail::render_scientific(decimal_digits(value), item, 'E', out);
        case extended_real_e_d_letter: return detail::render_scientific(decimal_digits(value), item, 'D', out);
        case extended_general_d_letter: return detail::render_general(decimal_digits(value), item, out);
        default: return 0;
        }
    default: return 0;
    }
}

}  // namespace textio
