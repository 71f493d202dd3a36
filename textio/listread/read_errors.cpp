#include "textio/listread/read_errors.h"

namespace textio::listread {

std::string_view read_error_message(int number)
{
    switch (number) {
    case integer_out_of_range: return "integer overflow";
    case bad_integer_character: return "invalid INTEGER";
    case real_too_large: return "floating-point overflow";
    case bad_real: return "invalid REAL";
    case real4_too_large: return "REAL*4 value out of range";
    case second_base_mark: return "second '#' in integer with base";
    case bad_base: return "base of integer not in 2..36";
    case unit_number_out_of_range: return "unit number out of range";
    case read_after_end_of_file: return "read beyond end of file";
    case end_of_file_while_reading: return "end of file encountered";
    case repeat_count_below_one: return "repeat count not positive";
    case second_repeat_count: return "multiple repeat counts";
    case token_kind_mismatch: return "value of wrong kind for the item";
    case complex_without_comma: return "comma missing in COMPLEX input";
    case bad_logical: return "invalid LOGICAL";
    case value_too_long: return "value too long in list-directed input";
    default: return {};
    }
}

}  // namespace textio::listread
