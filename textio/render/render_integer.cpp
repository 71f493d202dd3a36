// Integer items: I (and G, which takes an integer as I), Z, B, O.

#include "textio/render/render_detail.h"

namespace textio {

namespace detail {
const char digit_pairs[200] = {
    '0', '0', '0', '1', '0', '2', '0', '3', '0', '4', '0', '5', '0', '6', '0', '7', '0', '8', '0', '9', '1', '0', '1',
    '1', '1', '2', '1', '3', '1', '4', '1', '5', '1', '6', '1', '7', '1', '8', '1', '9', '2', '0', '2', '1', '2', '2',
    '2', '3', '2', '4', '2', '5', '2', '6', '2', '7', '2', '8', '2', '9', '3', '0', '3', '1', '3', '2', '3', '3', '3',
    '4', '3', '5', '3', '6', '3', '7', '3', '8', '3', '9', '4', '0', '4', '1', '4', '2', '4', '3', '4', '4', '4', '5',
    '4', '6', '4', '7', '4', '8', '4', '9', '5', '0', '5', '1', '5', '2', '5', '3', '5', '4', '5', '5', '5', '6', '5',
    '7', '5', '8', '5', '9', '6', '0', '6', '1', '6', '2', '6', '3', '6', '4', '6', '5', '6', '6', '6', '7', '6', '8',
    '6', '9', '7', '0', '7', '1', '7', '2', '7', '3', '7', '4', '7', '5', '7', '6', '7', '7', '7', '8', '7', '9', '8',
    '0', '8', '1', '8', '2', '8', '3', '8', '4', '8', '5', '8', '6', '8', '7', '8', '8', '8', '9', '9', '0', '9', '1',
    '9', '2', '9', '3', '9', '4', '9', '5', '9', '6', '9', '7', '9', '8', '9', '9',
};
}  // namespace detail

int render_integer(std::int32_t value, const EditState& item, char* out)
{
    const auto pattern = static_cast<std::uint32_t>(value);
    switch (item.code) {
    case item_hexadecimal: return detail::render_bits(pattern, 4, item, out);
    case item_extended:
        if (item.sub_code == extended_binary) return detail::render_bits(pattern, 1, item, out);
        if (item.sub_code == extended_octal) return detail::render_bits(pattern, 3, item, out);
        break;
    default: break;
    }

    const int minimum = item.code == item_general ? 1 : item.d;
    if (minimum >= field_buffer_size - 1) return render_overflow_digits;
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                 : static_cast<std::uint64_t>(value);
    char digits[16];
    char* const end = digits + sizeof digits;
    const char* const first = detail::write_decimal_backwards(magnitude, end);
    const int count = static_cast<int>(end - first);

    char* p = out;
    if (negative)
        *p++ = '-';
    else if (item.plus_sign && (count > 0 || minimum > 0))
        *p++ = '+';
    for (int i = count; i < minimum; ++i) *p++ = '0';
    std::memcpy(p, first, static_cast<std::size_t>(count));
    return static_cast<int>(p - out) + count;
}

}  // namespace textio
