// Exact decimal digits of a double: the first 18 significant digits of its
// exact value, truncated, then rounded to 17 (see leading_digits.h), as a
// digit string; and the exact conversion behind the rare undecided cases.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>

#include "textio/render/leading_digits.h"
#include "textio/render/render_detail.h"

namespace textio {
namespace detail {

const char* invalid_marker(std::uint64_t bits)
{
    const bool negative = (bits >> 63) != 0;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (fraction == 0) return "1#INF";
    if ((fraction >> 51) == 0) return "1#SNAN";
    // The one that invalid operations produce.
    if (negative && (fraction & ((std::uint64_t{1} << 51) - 1)) == 0) return "1#IND";
    return "1#QNAN";
}

void write_marker(const char* marker, int width, char* out)
{
    const int taken = std::min(static_cast<int>(std::strlen(marker)), width);
    std::memcpy(out, marker, static_cast<std::size_t>(taken));
    std::memset(out + taken, '.', static_cast<std::size_t>(width - taken));
}

int render_invalid(const DigitString& digits, int w, char* out)
{
    const int width = w < field_buffer_size ? w : field_buffer_size - 1;
    write_marker(digits.digits, width, out);
    return width;
}

// Every double has at most 767 significant digits, so a conversion at the
// bound below is exact.
std::uint64_t exact_leading_digits(double magnitude, std::uint64_t m, int e, int& exponent)
{
    const int trailing = std::countr_zero(m);
    m >>= trailing;
    e += trailing;
    const int bits = 64 - std::countl_zero(m);
    // Digits of m * 2^e (e >= 0) or of m * 5^-e (e < 0).
    const int bound = e >= 0 ? (bits + e) * 30103 / 100000 + 2 : (bits * 30103 + (-e) * 69898) / 100000 + 2;
    char text[800];
    const int precision = bound < 19 ? 19 : bound;
    const auto converted = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, precision);
    // text: d.ddd...e+XX, `precision` digits after the point
    std::uint64_t digits = static_cast<std::uint64_t>(text[0] - '0');
    for (int i = 2; i < 19; ++i) digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    int exponent10 = 0;
    std::from_chars(text + precision + 4, converted.ptr, exponent10);
    if (text[precision + 3] == '-') exponent10 = -exponent10;
    exponent = exponent10 + 1;
    return digits;
}

}  // namespace detail

DigitString decimal_digits(double value)
{
    DigitString result;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);

    if (biased_exponent == 0x7ff) {
        const char* marker = detail::invalid_marker(bits);
        result.valid = false;
        result.negative = negative;
        result.count = static_cast<std::int32_t>(std::strlen(marker));
        std::memcpy(result.digits, marker, static_cast<std::size_t>(result.count));
        return result;
    }
    if (biased_exponent == 0 && fraction == 0) {
        result.count = 1;
        result.digits[0] = '0';
        return result;
    }

    int exponent;
    const std::uint64_t rounded = detail::seventeen_digits(value, exponent);
    // 17 digits: one, then two blocks of eight.
    constexpr std::uint64_t ten_to_8 = 100'000'000;
    result.digits[0] = static_cast<char>('0' + rounded / detail::leading::ten_to_16);
    const std::uint64_t rest = rounded % detail::leading::ten_to_16;
    detail::write_eight_digits(static_cast<std::uint32_t>(rest / ten_to_8), result.digits + 1);
    detail::write_eight_digits(static_cast<std::uint32_t>(rest % ten_to_8), result.digits + 9);
    int count = 17;
    while (result.digits[count - 1] == '0') --count;
    result.negative = negative;
    result.exponent = exponent;
    result.count = count;
    return result;
}

}  // namespace textio
