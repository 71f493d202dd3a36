#pragma once
// Number rendering: a value and the format item that takes it become the
// text of the field (without the blanks of right justification).

#include <cstddef>
#include <cstdint>

namespace textio {

// Item codes of a compiled record format.
enum ItemCode : std::uint8_t {
    item_literal = 2,
    item_scale = 3,
    item_characters = 6,    // A
    item_logical = 7,       // L
    item_integer = 8,       // I
    item_real_d = 9,        // D
    item_real_e = 10,       // E
    item_fixed = 11,        // F
    item_general = 12,      // G
    item_hexadecimal = 13,  // Z
    item_group_open = 14,
    item_extended = 15,  // followed by an ExtendedCode
    item_slash = 18,
    item_colon = 19,
    item_sign_plus = 21,     // SP
    item_sign_default = 22,  // S, SS
    item_blank_null = 23,    // BN
    item_blank_zero = 24,    // BZ
    item_no_advance = 25,    // $ or backslash
    item_group_close = 26,
    item_tab = 27,        // Tn
    item_tab_left = 28,   // TLn
    item_tab_right = 29,  // TRn, nX
    item_format_end = 30,
    item_format_error = 31,
};

enum ExtendedCode : std::uint8_t {
    extended_none = 0,
    extended_scientific = 1,        // ES
    extended_engineering = 2,       // EN
    extended_binary = 3,            // B
    extended_octal = 4,             // O
    extended_remaining = 5,         // Q
    extended_real_e_d_letter = 6,   // Ew.dDe
    extended_general_d_letter = 7,  // Gw.dDe
};

// The format item that takes a value, with the scale factor and sign
// choice in force when it takes it.
struct EditState {
    std::uint8_t code = 0;
    std::uint8_t sub_code = extended_none;
    std::int32_t w = 0;      // field width (A without a width: 0)
    std::int32_t d = 1;      // digits after the point; minimum digits for I, Z, B, O
    std::int32_t e = 2;      // exponent digits
    std::int32_t scale = 0;  // k of kP
    bool plus_sign = false;  // SP in force

    bool operator==(const EditState&) const = default;
};

// Decimal digits of a real: value = 0.d1d2d3... * 10^exponent.
struct DigitString {
    bool valid = true;      // finite
    bool negative = false;  // never set for zero or negative zero
    std::int32_t exponent = 0;
    std::int32_t count = 0;
    char digits[20] = {};  // '0'..'9'; for an invalid value the marker text
};

// A real field asking for this many significant digits or more is the
// overflow result render_overflow_digits.
inline constexpr int overflow_digit_count = 520;
// The real field text buffer: room for every text below that digit count
// (a text that would still not fit, from a scale factor or exponent width far
// outside their range, is the overflow result as well).
inline constexpr int field_buffer_size = 1024;
// The overflow results, texts of no length: the record writer shows
// asterisks instead, w of them, or for too many digits 520 after w - 520
// blanks in a wider field. Negative, so that no text length is taken for one.
inline constexpr int render_overflow_digits = -520;      // too many significant digits
inline constexpr int render_overflow_exponent = -32767;  // exponent wider than e digits

// Significant decimal digits a 64-bit real carries into a field.
inline constexpr int real64_digit_limit = 16;

// The first 18 significant digits of the exact value (truncated), rounded to
// 17 by the 18th, trailing zeros dropped.
DigitString decimal_digits(double value);

// Rounds to n significant digits (half up); returns whether the carry ran out
// of the first digit (the string is then 1 and n - 1 zeros, one digit for
// n = 0, and the exponent one higher).
bool round_digits(DigitString& digits, int n);

// The text of an integer field (I, G, Z, B, O): a sign, zeros up to the
// minimum digit count m, the digits. Integers have no overflow result, so
// the zeros are counted, not written: m may be larger than any buffer.
struct IntegerText {
    char sign = 0;  // '-', '+' or none
    std::int32_t zeros = 0;
    std::int32_t count = 0;  // digits, the last `count` characters of `digits`
    char digits[64];

    std::int64_t length() const { return (sign != 0 ? 1 : 0) + std::int64_t{zeros} + count; }
    const char* first_digit() const { return digits + sizeof digits - count; }
};

IntegerText render_integer(std::int32_t value, const EditState& item);
// Z, B and O take the bits of a real as they are.
inline bool is_bit_pattern_item(const EditState& item)
{
    return item.code == item_hexadecimal ||
           (item.code == item_extended && (item.sub_code == extended_binary || item.sub_code == extended_octal));
}
IntegerText render_real_bits(double value, const EditState& item);

// The field text of a real item other than Z, B and O into `out` (room for
// field_buffer_size characters): its length, or an overflow result.
int render_real(double value, const EditState& item, char* out);

// E, D, ES and EN fields (and G in its E form): the text written so that it
// ends exactly at `end`, when it is at most `room` characters long (else
// nothing is written); returns its length, or an overflow result. So the
// text can go straight to its place in the record, right-justified.
inline bool is_scientific_item(const EditState& item)
{
    return item.code == item_real_e || item.code == item_real_d ||
           (item.code == item_extended &&
            (item.sub_code == extended_scientific || item.sub_code == extended_engineering ||
             item.sub_code == extended_real_e_d_letter));
}
int render_scientific(double value, const EditState& item, char* end, int room);

// L: T or F (the record writer puts the blanks in front).
int render_logical(bool value, const EditState& item, char* out);
// A: the text cut to w, or w - length blanks in front (no width: as it is).
int render_characters(const char* text, std::size_t length, const EditState& item, char* out);

}  // namespace textio
