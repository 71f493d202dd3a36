#pragma once
// Scanning the text of a real value into its decimal digits and exponent.

#include <cstdint>
#include <string_view>

#include "process/error_numbers.h"

namespace textio::listread {

// Significant digits of the mantissa that count; further ones do not change
// the value (integer digits beyond them still count for the magnitude).
inline constexpr int significant_digit_limit = 25;

// The value (-1)^negative * 0.d1 d2 ... dn * 10^point_exponent, with d1 not
// zero; no digits for a zero.
struct DecimalNumber {
    bool negative = false;
    int digit_count = 0;
    char digits[significant_digit_limit];  // '0'..'9'
    std::int32_t point_exponent = 0;
};

// Reads: optional sign; digits with at most one "."; optionally an exponent,
// one of E e D d then an optional sign and digits, or a sign then digits
// (1.5-3). Returns no_error, or errors::bad_real for a text that is not a number or
// that has characters left over.
process::RuntimeError scan_real_text(std::string_view text, DecimalNumber& number);

}  // namespace textio::listread
