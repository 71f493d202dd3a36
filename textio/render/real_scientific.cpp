// E, D, ES and EN fields: digits with the point placed by the scale factor
// (E, D), after one digit (ES) or after one to three digits (EN), then the
// exponent.

#include <algorithm>
#include <cstdlib>

#include "textio/render/render_detail.h"

namespace textio::detail {
namespace {

bool is_zero(const DigitString& digits) { return digits.digits[0] == '0'; }

int engineering_leading_digits(int exponent) { return ((exponent - 1) % 3 + 3) % 3 + 1; }

}  // namespace

int render_invalid(const DigitString& digits, int w, char* out)
{
    const int width = w < field_buffer_size ? w : field_buffer_size - 1;
    int length = digits.count < width ? digits.count : width;
    std::memcpy(out, digits.digits, static_cast<std::size_t>(length));
    while (length < width) out[length++] = '.';
    return length;
}

int render_scientific(const DigitString& digits, const EditState& item, char letter, char* out)
{
    if (!digits.valid) return render_invalid(digits, item.w, out);
    const int d = item.d;
    const bool scientific = item.code == item_extended && item.sub_code == extended_scientific;
    const bool engineering = item.code == item_extended && item.sub_code == extended_engineering;
    const bool zero = is_zero(digits);

    DigitString rounded = digits;
    int before;           // digits before the point (0 or less: zeros after it)
    std::int64_t wanted;  // significant digits asked for
    if (scientific) {
        before = 1;
        wanted = std::int64_t{d} + 1;
    } else if (engineering) {
        before = zero ? 1 : engineering_leading_digits(digits.exponent);
        wanted = std::int64_t{before} + d;
    } else {
        before = item.scale;
        wanted = item.scale > 0 ? std::int64_t{d} + 1 : std::int64_t{d} + item.scale;
    }
    if (wanted < 0 || wanted >= overflow_digit_count) return render_overflow_digits;
    int significant = static_cast<int>(wanted);  // digits printed
    // Sign, digits with the point (and the zeros of a negative scale factor),
    // exponent: at most this long.
    const std::int64_t digits_and_point =
        before > 0 ? std::max<std::int64_t>(before, significant) + 1 : 2 - std::int64_t{before} + significant;
    if (1 + digits_and_point + std::max<std::int64_t>(item.e, 3) + 2 > field_buffer_size) return render_overflow_digits;

    const bool carried = round_digits(rounded, significant < real64_digit_limit ? significant : real64_digit_limit);
    if (engineering && carried) {
        before = engineering_leading_digits(rounded.exponent);
        significant = before + d;
    }

    char* p = out;
    if (rounded.negative)
        *p++ = '-';
    else if (item.plus_sign)
        *p++ = '+';
    // Digits [from, to) of the rounded string, zeros beyond its end.
    const auto copy_digits = [&](int from, int to) {
        const int available = to < rounded.count ? to : rounded.count;
        if (from < available) {
            std::memcpy(p, rounded.digits + from, static_cast<std::size_t>(available - from));
            p += available - from;
            from = available;
        }
        if (from < to) {
            std::memset(p, '0', static_cast<std::size_t>(to - from));
            p += to - from;
        }
    };
    if (before > 0) {
        copy_digits(0, before);
        *p++ = '.';
        copy_digits(before, significant);
    } else {
        if (before == 0 && significant == 0) *p++ = '0';
        *p++ = '.';
        std::memset(p, '0', static_cast<std::size_t>(-before));
        p += -before;
        copy_digits(0, significant);
    }

    const int exponent = zero ? 0 : rounded.exponent - before;
    const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    const char sign = exponent < 0 ? '-' : '+';
    if (item.e == 2 && magnitude > 99) {
        // Three exponent digits take the place of the letter.
        *p++ = sign;
        *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
        return static_cast<int>(p - out);
    }
    const int needed = magnitude > 99 ? 3 : magnitude > 9 ? 2 : 1;
    if (needed > item.e) return render_overflow_exponent;
    *p++ = letter;
    *p++ = sign;
    for (int i = needed; i < item.e; ++i) *p++ = '0';
    char* const end = p + needed;
    if (magnitude == 0)
        *p = '0';
    else
        write_decimal_backwards(magnitude, end);
    return static_cast<int>(end - out);
}

}  // namespace textio::detail
