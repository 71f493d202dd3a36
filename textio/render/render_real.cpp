// Real items: each kind of item lays out the value's decimal digits.

#include "textio/render/render_detail.h"

namespace textio {

int render_real(double value, const EditState& item, char* out)
{
    switch (item.code) {
    case item_real_e:
    case item_real_d: return detail::render_scientific_text(value, item, out);
    case item_fixed: {
        const DigitString digits = decimal_digits(value);
        if (!digits.valid) return detail::render_invalid(digits, item.w, out);
        return detail::render_fixed(digits, item.d, item.scale, item.plus_sign, out);
    }
    case item_general: return detail::render_general(value, item, out);
    case item_extended:
        switch (item.sub_code) {
        case extended_scientific:
        case extended_engineering:
        case extended_real_e_d_letter: return detail::render_scientific_text(value, item, out);
        case extended_general_d_letter: return detail::render_general(value, item, out);
        default: return 0;
        }
    default: return 0;
    }
}

}  // namespace textio
