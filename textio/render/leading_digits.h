#pragma once
// The leading decimal digits of a double, inline for the field renderers.
//
// The fast path multiplies the binary mantissa by a 128-bit power of ten; the
// product is exact to well within one unit of the 18th digit, so its integer
// part is the truncated digit string unless the fraction lies so close to the
// next integer that the truncation of the power of ten could hide a carry.
// Only then (rare, and never when the power of ten is exact) the digits come
// from a conversion at the full exact precision of the value.

#include <bit>
#include <cstdint>

#include "textio/render/power_of_ten_table.h"

namespace textio::detail {

// The first 18 significant digits (truncated) of |value| = m * 2^e and its
// decimal exponent, by a conversion at the value's full exact precision.
std::uint64_t exact_leading_digits(double magnitude, std::uint64_t m, int e, int& exponent);

namespace leading {

using u128 = unsigned __int128;

constexpr std::uint64_t ten_to_16 = 10'000'000'000'000'000ull;
constexpr std::uint64_t ten_to_17 = 100'000'000'000'000'000ull;
constexpr std::uint64_t ten_to_18 = 1'000'000'000'000'000'000ull;

// floor(e * log10(2)) for |e| <= 1650.
constexpr int floor_log10_pow2(int e) { return (e * 78913) >> 18; }

// floor(m * 2^e * 10^q) when it can be decided from the truncated power of
// ten; false when the result might be one more than the computed one.
inline bool scaled_floor(std::uint64_t m, int e, int q, std::uint64_t& result)
{
    const detail::PowerOfTen& p = detail::power_of_ten(q);
    const u128 low_product = static_cast<u128>(m) * p.low;
    const u128 high_product = static_cast<u128>(m) * p.high;
    const std::uint64_t r0 = static_cast<std::uint64_t>(low_product);
    const u128 middle = (low_product >> 64) + static_cast<std::uint64_t>(high_product);
    const std::uint64_t r1 = static_cast<std::uint64_t>(middle);
    const std::uint64_t r2 = static_cast<std::uint64_t>(high_product >> 64) + static_cast<std::uint64_t>(middle >> 64);
    // The product r2:r1:r0 is scaled by 2^(e + b); the binary point lies
    // 64 to 124 bits up, i.e. `shift` (0..60) bits into r1.
    const int shift = -(e + p.binary_exponent) - 64;
    result = (r1 >> shift) | ((r2 << 1) << (63 - shift));
    if (p.exact) return true;
    // The exact product lies in [P, P + m) units of the last bit: it may
    // reach the next integer only when the fraction bits of r1 are all ones
    // and adding m to r0 carries.
    const std::uint64_t fraction_mask = (std::uint64_t{1} << shift) - 1;
    return (r1 & fraction_mask) != fraction_mask || r0 + m >= r0;
}

}  // namespace leading

// For a finite nonzero value: its first 18 significant digits (truncated)
// rounded to 17, as an integer in [10^16, 10^17), and the exponent x with
// |value| = 0.d1d2... * 10^x.
inline std::uint64_t seventeen_digits(double value, int& exponent)
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
    exponent = leading::floor_log10_pow2(top) + 1;
    std::uint64_t leading;  // 18 or 19 digits
    if (leading::scaled_floor(m, e, 18 - exponent, leading)) {
        // Branch-free: which of the two exponents it is depends on the digits.
        const bool nineteen = leading >= leading::ten_to_18;
        leading = nineteen ? leading / 10 : leading;
        exponent += nineteen ? 1 : 0;
    } else {
        leading = exact_leading_digits(value < 0 ? -value : value, m, e, exponent);
    }

    // Round the 18 truncated digits to 17 by the 18th.
    const std::uint64_t truncated = leading / 10;
    std::uint64_t rounded = truncated + (leading - truncated * 10 >= 5 ? 1 : 0);
    if (rounded == leading::ten_to_17) {
        rounded = leading::ten_to_16;
        ++exponent;
    }
    return rounded;
}

}  // namespace textio::detail
