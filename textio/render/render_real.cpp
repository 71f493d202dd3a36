// Real items: the decimal digits of the value, laid out by the item.

#include <bit>

#include "textio/render/render_detail.h"

namespace textio {

int render_real(double value, const EditState& item, char* out)
{
    const auto pattern = std::bit_cast<std::uint64_t>(value);
    switch (item.code) {
    case item_real_e:
        return detail::render_scientific(decimal_digits(value), item, 'E', out);
    case item_real_d:
        return detail::render_scientific(decimal_digits(value), item, 'D', out);
    case item_fixed: {
        const DigitString digits = decimal_digits(value);
        if (!digits.valid)
            return detail::render_invalid(digits, item.w, out);
        return detail::render_fixed(digits, item.d, item.scale, item.plus_sign, out);
    }
    case item_general:
        return detail::render_general(decimal_digits(value), item, out);
    case item_hexadecimal:
        return detail::render_bits(pattern, 4, item, out);
    case item_extended:
        switch (item.sub_code) {
        case extended_scientific:
        case extended_engineering:
            return detail::render_scientific(decimal_digits(value), item, 'E', out);
        case extended_real_e_d_letter:
            return detail::render_scientific(decimal_digits(value), item, 'D', out);
        case extended_general_d_letter:
            return detail::render_general(decimal_digits(value), item, out);
        case extended_binary:
            return detail::render_bits(pattern, 1, item, out);
        case extended_octal:
            return detail::render_bits(pattern, 3, item, out);
        default:
            return 0;
        }
    default:
        return 0;
    }
}

}  // namespace textio
