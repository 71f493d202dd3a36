#pragma once
// Error numbers of list-directed reading; their messages are those of the
// run-time error table.

namespace textio::listread {

inline constexpr int no_error = 0;
inline constexpr int integer_out_of_range = 6100;
inline constexpr int bad_integer_character = 6101;
inline constexpr int real_too_large = 6102;
inline constexpr int bad_real = 6103;
inline constexpr int real4_too_large = 6104;
inline constexpr int second_base_mark = 6302;
inline constexpr int bad_base = 6303;
inline constexpr int unit_number_out_of_range = 6314;
inline constexpr int read_after_end_of_file = 6405;
inline constexpr int end_of_file_while_reading = 6501;
inline constexpr int repeat_count_below_one = 6502;
inline constexpr int second_repeat_count = 6503;
inline constexpr int token_kind_mismatch = 6504;
inline constexpr int complex_without_comma = 6506;
inline constexpr int bad_logical = 6507;
inline constexpr int value_too_long = 6508;

}  // namespace textio::listread
