// E, D, ES and EN fields: the value's leading digits rounded to the digits
// the field shows, the point placed by the scale factor (E, D), after one
// digit (ES) or after one to three digits (EN), then the exponent.

#include <algorithm>
#include <bit>

#include "textio/render/render_detail.h"

namespace textio {
namespace {

constexpr std::uint64_t powers_of_ten[18] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
};

// value / 10^n for n in 0..17 as a few divisions by constants (multiplies);
// a table of divisors would make the compiler divide for real.
inline std::uint64_t divide_by_power_of_ten(std::uint64_t value, int n)
{
    if (n >= 16) {
        value /= 10000000000000000;
        n -= 16;
    }
    if (n >= 8) {
        value /= 100000000;
        n -= 8;
    }
    if (n >= 4) {
        value /= 10000;
        n -= 4;
    }
    if (n >= 2) {
        value /= 100;
        n -= 2;
    }
    if (n >= 1) value /= 10;
    return value;
}

int engineering_leading_digits(int exponent) { return ((exponent - 1) % 3 + 3) % 3 + 1; }

// Exactly the `count` (0..16) decimal digits of `value`, leading zeros kept:
// two blocks that overlap when the count is not a power of two.
inline void write_digits(std::uint64_t value, int count, char* out)
{
    if (count >= 8) {
        detail::write_eight_digits(static_cast<std::uint32_t>(divide_by_power_of_ten(value, count - 8)), out);
        detail::write_eight_digits(static_cast<std::uint32_t>(value % 100000000), out + count - 8);
    } else if (count >= 2) {
        for (int at = count - 2; at >= 0; at -= 2) {
            std::memcpy(out + at, detail::digit_pairs + 2 * (value % 100), 2);
            value /= 100;
        }
        if (count % 2 != 0) out[0] = static_cast<char>('0' + value % 10);
    } else if (count == 1) {
        out[0] = static_cast<char>('0' + value);
    }
}

}  // namespace

int render_scientific(double value, const EditState& item, char* end, int room)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (((bits >> 52) & 0x7ff) == 0x7ff) {
        const int width = item.w < field_buffer_size ? item.w : field_buffer_size - 1;
        if (width <= room) detail::write_marker(detail::invalid_marker(bits), width, end - width);
        return width;
    }
    const bool zero = (bits << 1) == 0;
    // The 17 leading digits, as an integer (0 for zero); value = 0.d1d2... * 10^exponent.
    int exponent = 0;
    const std::uint64_t leading = zero ? 0 : detail::seventeen_digits(value, exponent);

    const int d = item.d;
    const bool scientific = item.code == item_extended && item.sub_code == extended_scientific;
    const bool engineering = item.code == item_extended && item.sub_code == extended_engineering;
    int before;           // digits before the point (0 or less: zeros after the point)
    std::int64_t wanted;  // significant digits asked for
    if (scientific) {
        before = 1;
        wanted = std::int64_t{d} + 1;
    } else if (engineering) {
        before = zero ? 1 : engineering_leading_digits(exponent);
        wanted = std::int64_t{before} + d;
    } else {
        before = item.scale;
        wanted = item.scale > 0 ? std::int64_t{d} + 1 : std::int64_t{d} + item.scale;
    }
    // Sign, digits with the point (and the zeros of a negative scale factor),
    // exponent: more than the text buffer holds is the overflow result.
    const std::int64_t digit_places =
        before > 0 ? std::max<std::int64_t>(before, wanted) + 1 : 2 - std::int64_t{before} + wanted;
    if (wanted < 0 || wanted >= overflow_digit_count ||
        1 + digit_places + std::max<std::int64_t>(item.e, 3) + 2 > field_buffer_size)
        return render_overflow_digits;
    int significant = static_cast<int>(wanted);

    // Rounded by the next digit to what is shown, at most the 16 digits a
    // 64-bit real carries; a carry out of the first digit is one more decade.
    const int kept = std::min(significant, real64_digit_limit);
    const std::uint64_t cut = powers_of_ten[17 - kept];
    std::uint64_t digits = divide_by_power_of_ten(leading, 17 - kept);
    digits += leading - digits * cut >= cut / 2 ? 1 : 0;
    // Nothing shown but zeros: no sign either. (Written so that the sign, and
    // with it where the text goes, does not wait for the digits.)
    const bool negative = (bits >> 63) != 0 && !zero && (kept > 0 || digits != 0);
    if (digits == powers_of_ten[kept]) {
        digits /= 10;
        ++exponent;
        if (engineering) {
            before = engineering_leading_digits(exponent);
            significant = before + d;
        }
    }

    const int shown = zero ? 0 : exponent - before;
    const unsigned magnitude = static_cast<unsigned>(shown < 0 ? -shown : shown);
    // With e = 2, three exponent digits take the place of the letter.
    if (item.e != 2 && (magnitude > 99 ? 3 : magnitude > 9 ? 2 : 1) > item.e) return render_overflow_exponent;
    const bool signed_text = negative || item.plus_sign;
    const int count = before > 0 ? std::max(before, significant) : significant;  // digit places
    const int length = (signed_text ? 1 : 0) + count + 1 + (before > 0 ? 0 : -before) +
                       (before == 0 && significant == 0 ? 1 : 0) + (item.e == 2 ? 4 : 2 + item.e);
    if (length > room) return length;

    char* p = end - length;
    *p = negative ? '-' : '+';
    p += signed_text ? 1 : 0;
    // Digits before the point are written one place to the right, then moved
    // in front of it.
    char* digits_at = p + 1;
    if (before <= 0) {
        if (before == 0 && significant == 0) *p++ = '0';
        *p++ = '.';
        if (before < 0) std::memset(p, '0', static_cast<std::size_t>(-before));
        digits_at = p - before;
    }
    write_digits(digits, kept, digits_at);
    if (count > kept) std::memset(digits_at + kept, '0', static_cast<std::size_t>(count - kept));
    if (before == 1) {
        p[0] = p[1];
        p[1] = '.';
    } else if (before > 1) {
        std::memmove(p, p + 1, static_cast<std::size_t>(before));
        p[before] = '.';
    }
    p = digits_at + count;

    const char sign = shown < 0 ? '-' : '+';
    if (item.e == 2 && magnitude > 99) {
        p[0] = sign;
        p[1] = static_cast<char>('0' + magnitude / 100);
        std::memcpy(p + 2, detail::digit_pairs + 2 * (magnitude % 100), 2);
        return length;
    }
    const bool d_letter = item.code == item_real_d || (item.code == item_extended && !scientific && !engineering);
    p[0] = d_letter ? 'D' : 'E';
    p[1] = sign;
    if (item.e == 2) {
        std::memcpy(p + 2, detail::digit_pairs + 2 * magnitude, 2);
        return length;
    }
    std::memset(p + 2, '0', static_cast<std::size_t>(item.e));
    if (magnitude > 0) detail::write_decimal_backwards(magnitude, end);
    return length;
}

}  // namespace textio
