// G fields for reals: fixed point followed by blanks where the exponent
// would stand when the value lies in 0.1 .. 10^d, else the E form.

#include "textio/render/render_detail.h"

namespace textio::detail {

int render_general(double value, const EditState& item, char* out)
{
    const DigitString digits = decimal_digits(value);
    if (!digits.valid) return render_invalid(digits, item.w, out);
    const int d = item.d;
    const std::int64_t trailing_blanks = std::int64_t{item.e} + 2;
    if (d <= 0 || d >= overflow_digit_count || std::int64_t{d} + trailing_blanks + 4 > field_buffer_size)
        return render_scientific_text(value, item, out);

    int length;
    if (digits.digits[0] == '0') {
        length = render_fixed(digits, d - 1, 0, item.plus_sign, out);
    } else {
        DigitString rounded = digits;
        round_digits(rounded, d < real64_digit_limit ? d : real64_digit_limit);
        const int exponent = rounded.exponent;
        if (exponent < 0 || exponent > d) return render_scientific_text(value, item, out);
        length = render_fixed(rounded, d - exponent, 0, item.plus_sign, out);
    }
    for (int i = 0; i < trailing_blanks; ++i) out[length++] = ' ';
    return length;
}

}  // namespace textio::detail
