#include "textio/listread/integer_conversion.h"
#include "process/error_numbers.h"

namespace textio::listread {

namespace errors = process::errors;

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

// The value must fit the item: -128..127 for one byte, -32768..32767 for two.
process::RuntimeError fit_item(std::int64_t value, int bytes, std::int32_t& stored)
{
    const std::int64_t lowest = -(std::int64_t{1} << (8 * bytes - 1));
    if (value < lowest || value > -lowest - 1) return errors::integer_out_of_range;
    stored = static_cast<std::int32_t>(value);
    return errors::no_error;
}

// Digits of a base other than ten after the "#": the value may use all 32
// bits, a pattern above 2147483647 being the negative number with the same
// bits; that number must then fit the item.
process::RuntimeError convert_based_digits(std::string_view digits, unsigned base, bool negative, int bytes,
                                           std::int32_t& value)
{
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        if (c == '#') return errors::second_base_mark;
        const int d = digit_value(c);
        if (d >= static_cast<int>(base)) return errors::bad_integer_character;
        magnitude = accumulate(magnitude, base, d);
    }
    if (magnitude > 0xFFFFFFFFu) return errors::integer_out_of_range;
    const auto pattern = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    return fit_item(static_cast<std::int32_t>(pattern), bytes, value);
}

}  // namespace

process::RuntimeError convert_integer_text(std::string_view text, int bytes, std::int32_t& value)
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
            if (magnitude < 2 || magnitude > 36) return errors::bad_base;
            const auto base = static_cast<unsigned>(magnitude);
            if (base != 10) return convert_based_digits(text.substr(i + 1), base, negative, bytes, value);
            magnitude = 0;
            for (++i; i < text.size(); ++i) {
                if (text[i] == '#') return errors::second_base_mark;
                if (text[i] < '0' || text[i] > '9') return errors::bad_integer_character;
                magnitude = accumulate(magnitude, 10, text[i] - '0');
            }
            break;
        }
        if (c < '0' || c > '9') return errors::bad_integer_character;
        magnitude = accumulate(magnitude, 10, c - '0');
    }
    // Only the exact text "-2147483648" reaches below -2147483647: every
    // other magnitude above 2147483647 ("-02147483648" too) is out of range.
    if (magnitude > 2147483647u) {
        if (text != "-2147483648") return errors::integer_out_of_range;
        return fit_item(std::int64_t{-2147483647} - 1, bytes, value);
    }
    const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
    return fit_item(negative ? -signed_magnitude : signed_magnitude, bytes, value);
}

}  // namespace textio::listread
