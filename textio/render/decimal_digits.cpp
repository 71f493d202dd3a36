// Exact decimal digits of a double: the first 18 significant digits of its
// exact value, truncated, then rounded to 17.
//
// The fast path multiplies the binary mantissa by a 128-bit power of ten; the
// product is exact to well within one unit of the 18th digit, so its integer
// part is the truncated digit string unless the fraction lies so close to the
// next integer that the truncation of the power of ten could hide a carry.
// Only then (rare, and never when the power of ten is exact) the digits come
// from a conversion at the full exact precision of the value.

#include <bit>
#include <charconv>
#include <cstdint>

#include "textio/render/power_of_ten_table.h"
#include "textio/render/render_detail.h"

namespace textio {
namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t ten_to_16 = 10'000'000'000'000'000ull;
constexpr std::uint64_t ten_to_17 = 100'000'000'000'000'000ull;
constexpr std::uint64_t ten_to_18 = 1'000'000'000'000'000'000ull;

// floor(e * log10(2)) for |e| <= 1650.
constexpr int floor_log10_pow2(int e) { return (e * 78913) >> 18; }

// floor(m * 2^e * 10^q) when it can be decided from the truncated power of
// ten; false when the result might be one more than the computed one.
bool scaled_floor(std::uint64_t m, int e, int q, std::uint64_t& result)
{
    const detail::PowerOfTen& p = detail::power_of_ten(q);
    const u128 low_product = static_cast<u128>(m) * p.low;
    const u128 high_product = static_cast<u128>(m) * p.high;
    const std::uint64_t r0 = static_cast<std::uint64_t>(low_product);
    const u128 middle = (low_product >> 64) + static_cast<std::uint64_t>(high_product);
    const std::uint64_t r1 = static_cast<std::uint64_t>(middle);
    const std::uint64_t r2 =
        static_cast<std::uint64_t>(high_product >> 64) + static_cast<std::uint64_t>(middle >> 64);
    // The product r2:r1:r0 is scaled by 2^(e + b); the binary point lies
    // 64 to 124 bits up, i.e. `shift` (0..60) bits into r1.
    const int shift = -(e + p.binary_exponent) - 64;
    result = (r1 >> shift) | ((r2 << 1) << (63 - shift));
    if (p.exact)
        return true;
    // The exact product lies in [P, P + m) units of the last bit: it may
    // reach the next integer only when the fraction bits of r1 are all ones
    // and adding m to r0 carries.
    const std::uint64_t fraction_mask = (std::uint64_t{1} << shift) - 1;
    return (r1 & fraction_mask) != fraction_mask || r0 + m >= r0;
}

void set_marker(DigitString& result, const char* marker)
{
    result.valid = false;
    result.count = static_cast<std::int32_t>(std::strlen(marker));
    std::memcpy(result.digits, marker, static_cast<std::size_t>(result.count));
}

}  // namespace

namespace detail {

// Every double has at most 767 significant digits, so a conversion at the
// bound below is exact.
std::uint64_t exact_leading_digits(double magnitude, std::uint64_t m, int e, int& exponent)
{
    const int trailing = std::countr_zero(m);
    m >>= trailing;
    e += trailing;
    const int bits = 64 - std::countl_zero(m);
    // Digits of m * 2^e (e >= 0) or of m * 5^-e (e < 0).
    const int bound = e >= 0 ? (bits + e) * 30103 / 100000 + 2
                             : (bits * 30103 + (-e) * 69898) / 100000 + 2;
    char text[800];
    const int precision = bound < 19 ? 19 : bound;
    const auto converted = std::to_chars(text, text + sizeof text, magnitude,
                                         std::chars_format::scientific, precision);
    // text: d.ddd...e+XX, `precision` digits after the point
    std::uint64_t digits = static_cast<std::uint64_t>(text[0] - '0');
    for (int i = 2; i < 19; ++i)
        digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    int exponent10 = 0;
    std::from_chars(text + precision + 4, converted.ptr, exponent10);
    if (text[precision + 3] == '-')
        exponent10 = -exponent10;
    exponent = exponent10 + 1;
    return digits;
}

std::uint64_t seventeen_digits(double value, int& exponent)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    std::uint64_t m;
    int e;
    if (biased_exponent == 0) {
        m = fraction;
        e = -1074;
    } else {
        m = fraction | (std::uint64_t{1} << 52);
        e = biased_exponent - 1075;
    }
    // value in [2^top, 2^(top+1)): its decimal exponent is estimate or estimate + 1.
    const int top = e + 63 - std::countl_zero(m);
    exponent = floor_log10_pow2(top) + 1;
    std::uint64_t leading;  // 18 or 19 digits
    if (scaled_floor(m, e, 18 - exponent, leading)) {
        if (leading >= ten_to_18) {
            leading /= 10;
            ++exponent;
        }
    } else {
        leading = exact_leading_digits(value < 0 ? -value : value, m, e, exponent);
    }

    // Round the 18 truncated digits to 17 by the 18th.
    std::uint64_t rounded = leading / 10;
    if (leading % 10 >= 5 && ++rounded == ten_to_17) {
        rounded = ten_to_16;
        ++exponent;
    }
    return rounded;
}

}  // namespace detail

DigitString decimal_digits(double value)
{
    DigitString result;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);

    if (biased_exponent == 0x7ff) {
        result.negative = negative;
        if (fraction == 0)
            set_marker(result, "1#INF");
        else if ((fraction >> 51) == 0)
            set_marker(result, "1#SNAN");
        else if (negative && (fraction & ((std::uint64_t{1} << 51) - 1)) == 0)
            set_marker(result, "1#IND");
        else
            set_marker(result, "1#QNAN");
        return result;
    }
    if (biased_exponent == 0 && fraction == 0) {
        result.count = 1;
        result.digits[0] = '0';
        return result;
    }

    int exponent;
    const std::uint64_t rounded = detail::seventeen_digits(value, exponent);
    // 17 digits: one, then two blocks of eight.
    constexpr std::uint64_t ten_to_8 = 100'000'000;
    result.digits[0] = static_cast<char>('0' + rounded / ten_to_16);
    const std::uint64_t rest = rounded % ten_to_16;
    detail::write_eight_digits(static_cast<std::uint32_t>(rest / ten_to_8), result.digits + 1);
    detail::write_eight_digits(static_cast<std::uint32_t>(rest % ten_to_8), result.digits + 9);
    int count = 17;
    while (result.digits[count - 1] == '0')
        --count;
    result.negative = negative;
    result.exponent = exponent;
    result.count = count;
    return result;
}

}  // namespace textio
