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

IntegerText render_integer(std::int32_t value, const EditState& item)
{
    if (is_bit_pattern_item(item)) return detail::render_bits(static_cast<std::uint32_t>(value), item);

    IntegerText text;
    const std::int32_t minimum = item.code == item_general ? 1 : item.d;
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                 : static_cast<std::uint64_t>(value);
    char* const end = text.digits + sizeof text.digits;
    text.count = static_cast<std::int32_t>(end - detail::write_decimal_backwards(magnitude, end));
    text.zeros = minimum > text.count ? minimum - text.count : 0;
    if (negative)
        text.sign = '-';
    else if (item.plus_sign && text.count + text.zeros > 0)
        text.sign = '+';
    return text;
}

}  // namespace textio
