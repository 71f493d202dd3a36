// F fields: the digits around a fixed point, the value scaled by 10^k.

#include <algorithm>

#include "textio/render/render_detail.h"

namespace textio::detail {

int render_fixed(const DigitString& digits, int decimals, int scale, bool plus_sign, char* out)
{
    const bool zero = digits.digits[0] == '0';
    DigitString rounded = digits;
    std::int64_t wide_before = zero ? 0 : std::int64_t{digits.exponent} + scale;
    // Significant digits as for E; the text is sign, digits, point, decimals.
    if (decimals < 0 || wide_before + decimals >= overflow_digit_count ||
        3 + std::max<std::int64_t>(wide_before, 1) + decimals > field_buffer_size)
        return render_overflow_digits;
    // Further left every digit shown is a zero all the same.
    if (wide_before < -field_buffer_size) wide_before = -field_buffer_size;
    int before = static_cast<int>(wide_before);
    if (!zero) {
        const int significant = before + decimals;
        if (significant < 0) {
            rounded.count = 0;
            rounded.negative = false;
        } else if (round_digits(rounded, significant < real64_digit_limit ? significant : real64_digit_limit)) {
            ++before;
        }
    }

    char* p = out;
    if (rounded.negative)
        *p++ = '-';
    else if (plus_sign)
        *p++ = '+';
    const auto digit = [&](int i) { return i >= 0 && i < rounded.count ? rounded.digits[i] : '0'; };
    for (int i = 0; i < before; ++i) *p++ = digit(i);
    if (before <= 0 && decimals == 0) *p++ = '0';
    *p++ = '.';
    for (int j = 0; j < decimals; ++j) *p++ = digit(before + j);
    return static_cast<int>(p - out);
}

}  // namespace textio::detail
