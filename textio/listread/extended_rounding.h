#pragma once
// The exact step from decimal to binary: the decimal number rounded once,
// to nearest with ties to even, to a 64-bit significand (the 80-bit extended
// format), and that rounded again to a double. The second rounding is what
// makes 1.000000000000000111022303 read as 1.0.

#include <cstdint>

#include "textio/listread/real_scanner.h"

namespace textio::listread {

// (-1)^negative * significand * 2^exponent; the top bit of the significand is
// set, or the significand is 0 for a zero.
struct ExtendedValue {
    bool negative = false;
    std::uint64_t significand = 0;
    std::int32_t exponent = 0;
};

// Decimal magnitudes beyond these give an overflow or a zero without any
// arithmetic: 10^309 exceeds every double, 10^-325 rounds to zero.
inline constexpr std::int32_t largest_point_exponent = 309;
inline constexpr std::int32_t smallest_point_exponent = -324;

// Rounds `number` to the extended format in software. Its point exponent
// must lie within [smallest_point_exponent, largest_point_exponent].
ExtendedValue round_to_extended(const DecimalNumber& number);

// Rounds an extended value to the nearest double, ties to even, subnormals
// included. Returns false, without computing anything, when the double
// would overflow.
bool round_extended_to_double(const ExtendedValue& value, double& result);

// The whole conversion of a number within the range above: through the
// processor's extended format where it has one, else in software. Returns
// false when the result overflows a double. Raises no floating-point trap.
bool decimal_to_double(const DecimalNumber& number, double& result);

// The processor's extended format is the 80-bit one, and the C library
// converts decimal text into it correctly rounded.
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
#define DIFUSAO_HARDWARE_EXTENDED 1
inline constexpr bool has_hardware_extended = true;
// The conversion through the C library into the extended format: what
// decimal_to_double does here (the tests compare it with the software path).
bool decimal_to_double_by_library(const DecimalNumber& number, double& result);
#else
inline constexpr bool has_hardware_extended = false;
#endif

}  // namespace textio::listread
