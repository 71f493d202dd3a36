#pragma once
// Every run-time error of the program, named once, and the short message of
// each. An error is its letter and its number together: F for the errors of
// the I/O layer and the arrays, M for the floating-point traps and the
// mathematical functions. F6101 (a character not allowed in an integer) and
// M6101 (an invalid floating-point operation) are two errors.

#include <compare>
#include <string_view>

namespace process {

struct RuntimeError {
    char letter = 'F';
    int number = 0;  // four digits; 0 only in no_error

    // True for an error, false for no_error: `if (RuntimeError e = f()) ...`.
    constexpr explicit operator bool() const { return number != 0; }
    // Letter and number in one integer, for the cases of a switch.
    constexpr int key() const { return letter << 16 | number; }
    friend constexpr auto operator<=>(const RuntimeError&, const RuntimeError&) = default;
};

}  // namespace process

namespace process::errors {

// What the operations that return an error return when all went well.
inline constexpr RuntimeError no_error{};

// ---- reading values: conversion ----
inline constexpr RuntimeError integer_out_of_range{'F', 6100};
inline constexpr RuntimeError bad_integer_character{'F', 6101};
inline constexpr RuntimeError real_too_large{'F', 6102};
inline constexpr RuntimeError bad_real{'F', 6103};
inline constexpr RuntimeError real4_too_large{'F', 6104};

// ---- floating-point traps (letter M) ----
inline constexpr RuntimeError fp_invalid{'M', 6101};
inline constexpr RuntimeError fp_denormal{'M', 6102};
inline constexpr RuntimeError fp_divide_by_zero{'M', 6103};
inline constexpr RuntimeError fp_overflow{'M', 6104};
inline constexpr RuntimeError fp_underflow{'M', 6105};
inline constexpr RuntimeError fp_inexact{'M', 6106};
inline constexpr RuntimeError fp_unknown_exception{'M', 6107};
inline constexpr RuntimeError fp_square_root{'M', 6108};
inline constexpr RuntimeError integer_divide_by_zero{'M', 6109};
inline constexpr RuntimeError fp_stack_overflow{'M', 6110};
inline constexpr RuntimeError fp_stack_underflow{'M', 6111};

// ---- mathematical functions (letter M) ----
inline constexpr RuntimeError math_domain{'M', 6201};
inline constexpr RuntimeError math_singularity{'M', 6202};
inline constexpr RuntimeError math_overflow{'M', 6203};
inline constexpr RuntimeError math_partial_loss{'M', 6204};
inline constexpr RuntimeError math_total_loss{'M', 6205};

// ---- write statements: items against their edit descriptors ----
inline constexpr RuntimeError real_item_without_real_descriptor{'F', 6206};
inline constexpr RuntimeError integer_item_without_integer_descriptor{'F', 6207};

// ---- open and close ----
inline constexpr RuntimeError reopened_with_other_form_or_access{'F', 6209};
inline constexpr RuntimeError keep_for_scratch_file{'F', 6300};
inline constexpr RuntimeError scratch_with_file_name{'F', 6301};
inline constexpr RuntimeError invalid_status{'F', 6304};
inline constexpr RuntimeError invalid_mode{'F', 6305};
inline constexpr RuntimeError invalid_access{'F', 6306};
inline constexpr RuntimeError invalid_blank{'F', 6307};
inline constexpr RuntimeError invalid_form{'F', 6308};
inline constexpr RuntimeError invalid_share{'F', 6309};
inline constexpr RuntimeError direct_access_without_record_length{'F', 6311};
inline constexpr RuntimeError unit_number_out_of_range{'F', 6314};
inline constexpr RuntimeError length_not_positive{'F', 6315};
inline constexpr RuntimeError invalid_position{'F', 6793};
inline constexpr RuntimeError invalid_action{'F', 6794};
inline constexpr RuntimeError invalid_delimiter{'F', 6796};
inline constexpr RuntimeError invalid_pad{'F', 6798};
inline constexpr RuntimeError invalid_carriage_control{'F', 6799};

// ---- files ----
inline constexpr RuntimeError cannot_delete_file{'F', 6404};
inline constexpr RuntimeError invalid_file_name{'F', 6412};
inline constexpr RuntimeError file_connected_to_another_unit{'F', 6413};
inline constexpr RuntimeError file_access_denied{'F', 6414};
inline constexpr RuntimeError file_exists{'F', 6415};
inline constexpr RuntimeError file_not_found{'F', 6416};
inline constexpr RuntimeError too_many_open_files{'F', 6417};
inline constexpr RuntimeError too_many_units{'F', 6418};
inline constexpr RuntimeError write_denied{'F', 6421};
inline constexpr RuntimeError disk_full{'F', 6422};
inline constexpr RuntimeError cannot_read_file{'F', 6500};

// ---- reading values: the values and their separators ----
inline constexpr RuntimeError second_base_mark{'F', 6302};
inline constexpr RuntimeError bad_base{'F', 6303};
inline constexpr RuntimeError read_after_end_of_file{'F', 6405};
inline constexpr RuntimeError end_of_file_while_reading{'F', 6501};
inline constexpr RuntimeError repeat_count_below_one{'F', 6502};
inline constexpr RuntimeError second_repeat_count{'F', 6503};
inline constexpr RuntimeError token_kind_mismatch{'F', 6504};
inline constexpr RuntimeError complex_without_comma{'F', 6506};
inline constexpr RuntimeError bad_logical{'F', 6507};
inline constexpr RuntimeError value_too_long{'F', 6508};

// ---- arrays ----
inline constexpr RuntimeError array_already_allocated{'F', 6316};
inline constexpr RuntimeError array_memory_exhausted{'F', 6772};
inline constexpr RuntimeError array_not_allocated{'F', 6776};
inline constexpr RuntimeError invalid_array_bounds{'F', 6779};

// ---- record formats ----
inline constexpr RuntimeError format_d_exceeds_w{'F', 6971};
inline constexpr RuntimeError format_zero_exponent_width{'F', 6972};
inline constexpr RuntimeError format_number_missing{'F', 6980};
inline constexpr RuntimeError format_no_open_parenthesis{'F', 6981};
inline constexpr RuntimeError format_zero_or_stray_sign{'F', 6982};
inline constexpr RuntimeError format_repeat_not_allowed{'F', 6983};
inline constexpr RuntimeError format_h_or_p_without_number{'F', 6984};
inline constexpr RuntimeError format_nested_too_deep{'F', 6986};
inline constexpr RuntimeError format_d_missing{'F', 6987};
inline constexpr RuntimeError format_unterminated{'F', 6988};
inline constexpr RuntimeError format_bad_character{'F', 6989};
inline constexpr RuntimeError format_m_exceeds_w{'F', 6990};
inline constexpr RuntimeError format_number_too_large{'F', 6991};

}  // namespace process::errors

namespace process {

struct ErrorText {
    RuntimeError error;
    std::string_view message;
};

// One entry per error, in ascending order: the F errors by number, then the M
// errors by number.
inline constexpr ErrorText error_texts[] = {
    {errors::integer_out_of_range, "integer value out of range of its item"},
    {errors::bad_integer_character, "character not allowed in an integer"},
    {errors::real_too_large, "real number too large for an 8-byte real"},
    {errors::bad_real, "invalid real number"},
    {errors::real4_too_large, "real number too large for a 4-byte real"},
    {errors::real_item_without_real_descriptor, "no real edit descriptor for a real item"},
    {errors::integer_item_without_integer_descriptor, "no integer edit descriptor for an integer item"},
    {errors::reopened_with_other_form_or_access, "file reopened with a different form or access"},
    {errors::keep_for_scratch_file, "KEEP not allowed for a scratch file"},
    {errors::scratch_with_file_name, "SCRATCH not allowed for a named file"},
    {errors::second_base_mark, "second # in an integer with a base"},
    {errors::bad_base, "base of an integer outside 2 to 36"},
    {errors::invalid_status, "invalid STATUS or disposition value"},
    {errors::invalid_mode, "invalid MODE value"},
    {errors::invalid_access, "invalid ACCESS value"},
    {errors::invalid_blank, "invalid BLANK value"},
    {errors::invalid_form, "invalid FORM value"},
    {errors::invalid_share, "invalid SHARE value"},
    {errors::direct_access_without_record_length, "record length required for direct access"},
    {errors::unit_number_out_of_range, "unit number outside -32767 to 32767"},
    {errors::length_not_positive, "record length or buffer size not positive"},
    {errors::array_already_allocated, "array already allocated"},
    {errors::cannot_delete_file, "cannot delete the file"},
    {errors::read_after_end_of_file, "read after the end of file"},
    {errors::invalid_file_name, "invalid file name or argument"},
    {errors::file_connected_to_another_unit, "file already connected to another unit"},
    {errors::file_access_denied, "access to the file denied"},
    {errors::file_exists, "file already exists"},
    {errors::file_not_found, "file not found"},
    {errors::too_many_open_files, "too many open files"},
    {errors::too_many_units, "too many units connected"},
    {errors::write_denied, "cannot write: access denied or region locked"},
    {errors::disk_full, "cannot write: disk full"},
    {errors::cannot_read_file, "cannot read the file"},
    {errors::end_of_file_while_reading, "end of file during read"},
    {errors::repeat_count_below_one, "repeat count less than 1"},
    {errors::second_repeat_count, "second repeat count before the first was used"},
    {errors::token_kind_mismatch, "value of the wrong form for its item"},
    {errors::complex_without_comma, "complex value without a comma"},
    {errors::bad_logical, "logical value not beginning with T or F"},
    {errors::value_too_long, "value too long in list-directed input"},
    {errors::array_memory_exhausted, "not enough memory for the array"},
    {errors::array_not_allocated, "array not allocated"},
    {errors::invalid_array_bounds, "array bounds invalid: N must be at least 2 and nt at least 1"},
    {errors::invalid_position, "invalid POSITION value"},
    {errors::invalid_action, "invalid ACTION value"},
    {errors::invalid_delimiter, "invalid DELIM value"},
    {errors::invalid_pad, "invalid PAD value"},
    {errors::invalid_carriage_control, "invalid CARRIAGECONTROL value"},
    {errors::format_d_exceeds_w, "d greater than w in an EN or ES edit descriptor"},
    {errors::format_zero_exponent_width, "exponent width 0 in an EN or ES edit descriptor"},
    {errors::format_number_missing, "number missing in the format"},
    {errors::format_no_open_parenthesis, "format not beginning with ("},
    {errors::format_zero_or_stray_sign, "zero tab position or sign without P in the format"},
    {errors::format_repeat_not_allowed, "repeat count not allowed for this format item"},
    {errors::format_h_or_p_without_number, "number missing before H or P in the format"},
    {errors::format_nested_too_deep, "format groups nested deeper than 16"},
    {errors::format_d_missing, ".d missing in an E, F, D or G edit descriptor"},
    {errors::format_unterminated, "format text ended before its closing parenthesis"},
    {errors::format_bad_character, "character not allowed in the format"},
    {errors::format_m_exceeds_w, "m greater than w in an integer edit descriptor"},
    {errors::format_number_too_large, "number too large in the format"},
    {errors::fp_invalid, "floating-point error: invalid"},
    {errors::fp_denormal, "floating-point error: denormal"},
    {errors::fp_divide_by_zero, "floating-point error: divide by zero"},
    {errors::fp_overflow, "floating-point error: overflow"},
    {errors::fp_underflow, "floating-point error: underflow"},
    {errors::fp_inexact, "floating-point error: inexact"},
    {errors::fp_unknown_exception, "floating-point error: unknown exception"},
    {errors::fp_square_root, "floating-point error: square root"},
    {errors::integer_divide_by_zero, "integer divide by zero"},
    {errors::fp_stack_overflow, "floating-point error: stack overflow"},
    {errors::fp_stack_underflow, "floating-point error: stack underflow"},
    {errors::math_domain, "argument outside the domain of a mathematical function"},
    {errors::math_singularity, "singularity of a mathematical function"},
    {errors::math_overflow, "result of a mathematical function too large"},
    {errors::math_partial_loss, "partial loss of significance in a mathematical function"},
    {errors::math_total_loss, "total loss of significance in a mathematical function"},
};

// The short message of an error (empty for an error without one).
constexpr std::string_view error_message(RuntimeError error)
{
    for (const ErrorText& entry : error_texts)
        if (entry.error == error) return entry.message;
    return {};
}

}  // namespace process
