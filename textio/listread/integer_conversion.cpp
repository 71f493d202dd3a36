#include "textio/listread/integer_conversion.h"

#include "textio/listread/read_errors.h"

namespace textio::listread {

namespace {

// Above every limit, and far from overflowing the accumulator.
constexpr std::uint64_t saturated = std::uint64_t{1} << 40;

int digit_value(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

std::uint64_t accumulate(std::uint64_t value, unsigned base, int digit)
{
    value = value * base + static_cast<unsigned>(digit);
    return value > saturated ? saturated : value;
}

// Digits of a base other than ten after the "#": the value may use every bit
// of the item, a pattern above the signed range being the negative number
// with the same bits.
int convert_based_digits(std::string_view digits, unsigned base, bool negative, int bytes, std::int32_t& value)
{
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        if (c == '#') return second_base_mark;
        const int d = digit_value(c);
        if (d >= static_cast<int>(base)) return bad_integer_character;
        magnitude = accumulate(magnitude, base, d);
    }
    const int bits = 8 * bytes;
    const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
    if (magnitude > mask) return integer_out_of_range;
    std::uint64_t pattern = negative ? (~magnitude + 1) & mask : magnitude;
    if (pattern >> (bits - 1)) pattern |= ~mask;  // sign-extend to 64 bits
    value = static_cast<std::int32_t>(static_cast<std::int64_t>(pattern));
    return no_error;
}

}  // namespace

int convert_integer_text(std::string_view text, int bytes, std::int32_t& value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '#') {
            if (magnitude < 2 || magnitude > 36) return bad_base;
            const auto base = static_cast<unsigned>(magnitude);
            if (base != 10) return convert_based_digits(text.substr(i + 1), base, negative, bytes, value);
            magnitude = 0;
            for (++i; i < text.size(); ++i) {
                if (text[i] == '#') return second_base_mark;
                if (text[i] < '0' || text[i] > '9') return bad_integer_character;
                magnitude = accumulate(magnitude, 10, text[i] - '0');
            }
            break;
        }
        if (c < '0' || c > '9') return bad_integer_character;
        magnitude = accumulate(magnitude, 10, c - '0');
    }
    const std::uint64_t limit = std::uint64_t{1} << (8 * bytes - 1);  // 2^31 for 4 bytes
    if (magnitude > (negative ? limit : limit - 1)) return integer_out_of_range;
    const std::int64_t signed_value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    value = static_cast<std::int32_t>(signed_value);
    return no_error;
}

}  // namespace textio::listread
