#include "textio/listread/real_scanner.h"
#include "process/error_numbers.h"

namespace textio::listread {

namespace errors = process::errors;

namespace {

// Far beyond every finite magnitude, and far from overflowing.
constexpr std::int32_t exponent_saturation = 1'000'000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

process::RuntimeError scan_real_text(std::string_view text, DecimalNumber& number)
{
    const std::size_t size = text.size();
    std::size_t i = 0;
    number.negative = false;
    number.digit_count = 0;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }

    // Mantissa. Integer digits beyond the kept ones raise the magnitude;
    // fraction digits before the first significant one lower it.
    std::int32_t point_exponent = 0;
    bool any_digit = false;
    bool seen_point = false;
    for (; i < size; ++i) {
        const char c = text[i];
        if (c == '.' && !seen_point) {
            seen_point = true;
            continue;
        }
        if (!is_digit(c)) break;
        any_digit = true;
        if (number.digit_count == 0 && c == '0') {
            if (seen_point) --point_exponent;
            continue;
        }
        if (number.digit_count < significant_digit_limit) number.digits[number.digit_count++] = c;
        if (!seen_point) ++point_exponent;
    }
    if (!any_digit) return errors::bad_real;

    // Exponent.
    if (i < size) {
        const char c = text[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd')
            ++i;
        else if (c != '+' && c != '-')
            return errors::bad_real;
        bool exponent_negative = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        if (i == size) return errors::bad_real;
        std::int32_t exponent = 0;
        for (; i < size; ++i) {
            if (!is_digit(text[i])) return errors::bad_real;
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > exponent_saturation) exponent = exponent_saturation;
        }
        point_exponent += exponent_negative ? -exponent : exponent;
    }
    number.point_exponent = number.digit_count == 0 ? 0 : point_exponent;
    return errors::no_error;
}

}  // namespace textio::listread
