// Z, B and O fields: the bit pattern of the item in base 16, 2 or 8, with
// at least m digits.

#include <bit>

#include "textio/render/render_detail.h"

namespace textio {

namespace detail {

IntegerText render_bits(std::uint64_t pattern, const EditState& item)
{
    static constexpr char symbols[] = "0123456789ABCDEF";
    const int bits_per_digit = item.code == item_hexadecimal ? 4 : item.sub_code == extended_binary ? 1 : 3;
    const std::uint64_t mask = (std::uint64_t{1} << bits_per_digit) - 1;
    IntegerText text;
    char* p = text.digits + sizeof text.digits;
    for (; pattern != 0; pattern >>= bits_per_digit) *--p = symbols[pattern & mask];
    text.count = static_cast<std::int32_t>(text.digits + sizeof text.digits - p);
    text.zeros = item.d > text.count ? item.d - text.count : 0;
    return text;
}

}  // namespace detail

IntegerText render_real_bits(double value, const EditState& item)
{
    return detail::render_bits(std::bit_cast<std::uint64_t>(value), item);
}

}  // namespace textio
