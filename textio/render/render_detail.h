#pragma once
// Shared pieces of the renderers.

#include <cstdint>
#include <cstring>

#include "textio/render/leading_digits.h"
#include "textio/render/render.h"

namespace textio::detail {

// Two-digit pairs "00".."99" for writing integers.
extern const char digit_pairs[200];

// Writes the decimal digits of `value` (no leading zeros, nothing for 0)
// ending at `end`; returns the first character written.
inline char* write_decimal_backwards(std::uint64_t value, char* end)
{
    while (value >= 100) {
        const auto pair = static_cast<unsigned>(value % 100) * 2;
        value /= 100;
        *--end = digit_pairs[pair + 1];
        *--end = digit_pairs[pair];
    }
    if (value >= 10) {
        const auto pair = static_cast<unsigned>(value) * 2;
        *--end = digit_pairs[pair + 1];
        *--end = digit_pairs[pair];
    } else if (value > 0) {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// Exactly eight decimal digits of value < 10^8, leading zeros kept.
inline void write_eight_digits(std::uint32_t value, char* out)
{
    const std::uint32_t high = value / 10000, low = value % 10000;
    std::memcpy(out, digit_pairs + 2 * (high / 100), 2);
    std::memcpy(out + 2, digit_pairs + 2 * (high % 100), 2);
    std::memcpy(out + 4, digit_pairs + 2 * (low / 100), 2);
    std::memcpy(out + 6, digit_pairs + 2 * (low % 100), 2);
}

// The marker text of an infinity or not-a-number, by the bits of the value.
const char* invalid_marker(std::uint64_t bits);
// The marker followed by dots up to `width` characters (cut to it).
void write_marker(const char* marker, int width, char* out);
// The field text of an infinity or not-a-number: the marker filled with dots to w.
int render_invalid(const DigitString& digits, int w, char* out);
// E, D, ES, EN, and G when it takes the E form, into `out` (room for
// field_buffer_size characters).
inline int render_scientific_text(double value, const EditState& item, char* out)
{
    char* const end = out + field_buffer_size;
    const int length = render_scientific(value, item, end, field_buffer_size);
    if (length > 0) std::memmove(out, end - length, static_cast<std::size_t>(length));
    return length;
}
// F with the scale factor k.
int render_fixed(const DigitString& digits, int decimals, int scale, bool plus_sign, char* out);
// G for a real.
int render_general(double value, const EditState& item, char* out);
// Z, B, O: the bit pattern in base 16, 2 or 8 by the item.
IntegerText render_bits(std::uint64_t pattern, const EditState& item);

}  // namespace textio::detail
