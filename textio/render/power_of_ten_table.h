#pragma once
// Powers of ten as truncated 128-bit binary floating-point numbers, for the
// exact decimal conversion of doubles.

#include <cstdint>

namespace textio::detail {

inline constexpr int power_of_ten_min = -292;
inline constexpr int power_of_ten_max = 342;

// 10^q = (high * 2^64 + low) * 2^binary_exponent, the mantissa truncated
// (exact when `exact` is set), its top bit set.
struct PowerOfTen {
    std::uint64_t high;
    std::uint64_t low;
    std::int16_t binary_exponent;
    bool exact;
};

extern const PowerOfTen power_of_ten_table[power_of_ten_max - power_of_ten_min + 1];

inline const PowerOfTen& power_of_ten(int q) { return power_of_ten_table[q - power_of_ten_min]; }

}  // namespace textio::detail
