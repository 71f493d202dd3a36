// F fields: the digits around a fixed point, the value scaled by 10^k.

#include "textio/render/render_detail.h"

namespace textio::detail {

int render_fixed(const DigitString& digits, int decimals, int scale, bool plus_sign, char* out)
{
    const bool zero = digits.digits[0] == '0';
    DigitString rounded = digits;
    int before = zero ? 0 : digits.exponent + scale;
    if (decimals < 0 || before + decimals >= field_buffer_size - 3 || decimals >= field_buffer_size - 3)
        return render_overflow_digits;
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
