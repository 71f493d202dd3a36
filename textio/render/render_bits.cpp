// Z, B and O fields: the bit pattern of the item in base 16, 2 or 8, with
// at least m digits.

#include "textio/render/render_detail.h"

namespace textio::detail {

int render_bits(std::uint64_t pattern, int bits_per_digit, const EditState& item, char* out)
{
    static constexpr char symbols[] = "0123456789ABCDEF";
    const int minimum = item.d;
    if (minimum >= field_buffer_size) return render_overflow_digits;
    char reversed[64];
    int count = 0;
    const std::uint64_t mask = (std::uint64_t{1} << bits_per_digit) - 1;
    for (; pattern != 0; pattern >>= bits_per_digit) reversed[count++] = symbols[pattern & mask];
    int length = 0;
    for (int i = count; i < minimum; ++i) out[length++] = '0';
    while (count > 0) out[length++] = reversed[--count];
    return length;
}

}  // namespace textio::detail
