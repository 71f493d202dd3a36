// Messages of the errors met while reading the values of the input file:
// they name the line, the value and the text found, and say what to write
// instead. Plain ASCII, like the rest of the report, so that every console
// shows them as written.

#include <string>

#include "driver/driver.h"
#include "process/error_numbers.h"

namespace driver {

using textio::ReadErrorPlace;
using textio::ReadValueKind;
namespace errors = process::errors;

namespace {

constexpr std::string_view utf8_byte_order_mark = "\xEF\xBB\xBF";
constexpr std::size_t shown_text_limit = 40;

bool starts_with_utf16_mark(std::string_view text)
{
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

// UTF-16 text read byte by byte: every other byte of a digit is a zero byte.
bool looks_like_utf16(std::string_view text)
{
    return starts_with_utf16_mark(text) || text.find('\0') != std::string_view::npos;
}

// The text as it can be shown on one line: control bytes as '?', long texts
// cut.
std::string shown(std::string_view text)
{
    std::string line;
    for (const char c : text.substr(0, shown_text_limit)) {
        const auto byte = static_cast<unsigned char>(c);
        line += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (text.size() > shown_text_limit) line += "...";
    return line;
}

// "on line 3 of dados.txt (tf): 'abc'"
std::string where(const ReadErrorPlace& place, std::string_view text)
{
    std::string at = "on line " + std::to_string(place.line) + " of " + std::string(place.file_name) + " (" +
                     std::string(place.value_name) + ")";
    if (!text.empty() || place.expected != ReadValueKind::other) at += ": '" + shown(text) + "'";
    return at;
}

std::string expected_value(const ReadErrorPlace& place)
{
    const std::string name(place.value_name);
    switch (place.expected) {
    case ReadValueKind::integer:
        return name + " is an integer: digits only, with an optional sign, no decimal point and no exponent, "
                      "as in 20";
    case ReadValueKind::real: return name + " is a real number with a decimal point, as in 0.5, 100 or 1.5e-3";
    case ReadValueKind::other: break;
    }
    return "write the value of " + name + " at the start of its line";
}

}  // namespace

std::string mensagem_da_virgula_decimal(const ReadErrorPlace& place)
{
    std::string written(place.text_found);
    const std::string name(place.value_name);
    if (place.expected == ReadValueKind::integer) {
        std::erase(written, ',');
        return "comma in an integer " + where(place, place.text_found) + "; " + name +
               " is an integer written without separators, as in " + shown(written);
    }
    const std::size_t comma = written.find(',');
    if (comma != std::string::npos) written[comma] = '.';
    return "decimal comma " + where(place, place.text_found) + "; write a decimal point: " + shown(written);
}

std::string mensagem_do_erro_de_leitura(process::RuntimeError error, const ReadErrorPlace& place)
{
    const std::string_view text = place.text_found;
    const std::string file(place.file_name);
    if (text.starts_with(utf8_byte_order_mark)) {
        return "UTF-8 byte-order mark at the start of " + file + ", before the value of " +
               std::string(place.value_name) + " on line " + std::to_string(place.line) + ": '" +
               shown(text.substr(utf8_byte_order_mark.size())) + "'; save " + file +
               " as text without a byte-order mark (ANSI, or UTF-8 without BOM)";
    }
    if (looks_like_utf16(text)) {
        return file + " is UTF-16 text (read on line " + std::to_string(place.line) + ", value of " +
               std::string(place.value_name) + "); save " + file + " as ANSI or UTF-8 text (without BOM)";
    }
    switch (error.key()) {
    case errors::integer_out_of_range.key():
        return "integer out of range " + where(place, text) + "; " + std::string(place.value_name) +
               " must lie between -2147483648 and 2147483647";
    case errors::bad_integer_character.key():
        return "character not allowed in an integer " + where(place, text) + "; " + expected_value(place);
    case errors::real_too_large.key():
        return "real number too large " + where(place, text) + "; the largest real value is about 1.8e308";
    case errors::bad_real.key(): return "invalid real number " + where(place, text) + "; " + expected_value(place);
    case errors::real4_too_large.key(): return "real number too large for 4 bytes " + where(place, text);
    case errors::end_of_file_while_reading.key():
        return "end of " + file + " on line " + std::to_string(place.line) + " without the value of " +
               std::string(place.value_name) + "; " + file +
               " holds 8 values, one per line: N, nt, tf, theta, alpha, L, Ta, Tb";
    case errors::repeat_count_below_one.key():
        return "repeat count below 1 " + where(place, text) + "; " + expected_value(place);
    case errors::second_repeat_count.key():
        return "second repeat count " + where(place, text) + "; " + expected_value(place);
    case errors::second_base_mark.key():
        return "second # in an integer with a base " + where(place, text) + "; " + expected_value(place);
    case errors::bad_base.key():
        return "base of an integer outside 2 to 36 " + where(place, text) + "; " + expected_value(place);
    case errors::token_kind_mismatch.key():
        return "quoted or parenthesised value " + where(place, text) + "; " + expected_value(place);
    case errors::value_too_long.key(): return "value too long " + where(place, text) + "; " + expected_value(place);
    default: break;
    }
    return std::string(process::error_message(error)) + " " + where(place, text);
}

}  // namespace driver
