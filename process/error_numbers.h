#pragma once
// Every run-time error number of the program, named once, and the short
// message of each. The report prints the number after the letter F, or after
// M for the floating-point traps and the mathematical functions.
//
// The numbers 6101 to 6104 carry two meanings: with F they are conversion
// errors of the value reader (their messages are in the table below), with M
// floating-point traps, whose messages the trap report builds itself.

#include <string_view>

namespace process::errors {

// What the operations that return an error number return when all went well.
inline constexpr int no_error = 0;

// ---- reading values: conversion ----
inline constexpr int integer_out_of_range = 6100;
inline constexpr int bad_integer_character = 6101;
inline constexpr int real_too_large = 6102;
inline constexpr int bad_real = 6103;
inline constexpr int real4_too_large = 6104;

// ---- floating-point traps (letter M) ----
inline constexpr int fp_invalid = 6101;
inline constexpr int fp_denormal = 6102;
inline constexpr int fp_divide_by_zero = 6103;
inline constexpr int fp_overflow = 6104;
inline constexpr int fp_underflow = 6105;
inline constexpr int fp_inexact = 6106;
inline constexpr int fp_unknown_exception = 6107;
inline constexpr int fp_square_root = 6108;
inline constexpr int integer_divide_by_zero = 6109;
inline constexpr int fp_stack_overflow = 6110;
inline constexpr int fp_stack_underflow = 6111;

// ---- mathematical functions (letter M) ----
inline constexpr int math_domain = 6201;
inline constexpr int math_singularity = 6202;
inline constexpr int math_overflow = 6203;
inline constexpr int math_partial_loss = 6204;
inline constexpr int math_total_loss = 6205;

// ---- write statements: items against their edit descriptors ----
inline constexpr int real_item_without_real_descriptor = 6206;
inline constexpr int integer_item_without_integer_descriptor = 6207;

// ---- open and close ----
inline constexpr int reopened_with_other_form_or_access = 6209;
inline constexpr int keep_for_scratch_file = 6300;
inline constexpr int scratch_with_file_name = 6301;
inline constexpr int invalid_status = 6304;
inline constexpr int invalid_mode = 6305;
inline constexpr int invalid_access = 6306;
inline constexpr int invalid_blank = 6307;
inline constexpr int invalid_form = 6308;
inline constexpr int invalid_share = 6309;
inline constexpr int direct_access_without_record_length = 6311;
inline constexpr int unit_number_out_of_range = 6314;
inline constexpr int length_not_positive = 6315;
inline constexpr int invalid_position = 6793;
inline constexpr int invalid_action = 6794;
inline constexpr int invalid_delimiter = 6796;
inline constexpr int invalid_pad = 6798;
inline constexpr int invalid_carriage_control = 6799;

// ---- files ----
inline constexpr int cannot_delete_file = 6404;
inline constexpr int invalid_file_name = 6412;
inline constexpr int file_connected_to_another_unit = 6413;
inline constexpr int file_access_denied = 6414;
inline constexpr int file_exists = 6415;
inline constexpr int file_not_found = 6416;
inline constexpr int too_many_open_files = 6417;
inline constexpr int too_many_units = 6418;
inline constexpr int write_denied = 6421;
inline constexpr int disk_full = 6422;
inline constexpr int cannot_read_file = 6500;

// ---- reading values: the values and their separators ----
inline constexpr int second_base_mark = 6302;
inline constexpr int bad_base = 6303;
inline constexpr int read_after_end_of_file = 6405;
inline constexpr int end_of_file_while_reading = 6501;
inline constexpr int repeat_count_below_one = 6502;
inline constexpr int second_repeat_count = 6503;
inline constexpr int token_kind_mismatch = 6504;
inline constexpr int complex_without_comma = 6506;
inline constexpr int bad_logical = 6507;
inline constexpr int value_too_long = 6508;

// ---- arrays ----
inline constexpr int array_already_allocated = 6316;
inline constexpr int array_memory_exhausted = 6772;
inline constexpr int array_not_allocated = 6776;
inline constexpr int invalid_array_bounds = 6779;

// ---- record formats ----
inline constexpr int format_d_exceeds_w = 6971;
inline constexpr int format_zero_exponent_width = 6972;
inline constexpr int format_number_missing = 6980;
inline constexpr int format_no_open_parenthesis = 6981;
inline constexpr int format_zero_or_stray_sign = 6982;
inline constexpr int format_repeat_not_allowed = 6983;
inline constexpr int format_h_or_p_without_number = 6984;
inline constexpr int format_nested_too_deep = 6986;
inline constexpr int format_d_missing = 6987;
inline constexpr int format_unterminated = 6988;
inline constexpr int format_bad_character = 6989;
inline constexpr int format_m_exceeds_w = 6990;
inline constexpr int format_number_too_large = 6991;

}  // namespace process::errors

namespace process {

struct ErrorText {
    int number;
    std::string_view message;
};

// One entry per number, in ascending order.
inline constexpr ErrorText error_texts[] = {
    {errors::integer_out_of_range, "integer value out of range of its item"},
    {errors::bad_integer_character, "character not allowed in an integer"},
    {errors::real_too_large, "real number too large for an 8-byte real"},
    {errors::bad_real, "invalid real number"},
    {errors::real4_too_large, "real number too large for a 4-byte real"},
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
};

// The short message of an error number (empty for a number without one).
constexpr std::string_view error_message(int number)
{
    for (const ErrorText& entry : error_texts)
        if (entry.number == number) return entry.message;
    return {};
}

}  // namespace process
