#pragma once
// Text of an integer value: an optional sign and decimal digits, or digits of
// a base given as "base#digits" (16#FF).

#include <cstdint>
#include <string_view>

#include "process/error_numbers.h"

namespace textio::listread {

// Converts `text` for an integer item of `bytes` (1, 2 or 4) bytes. Returns
// no_error and the value, or the error (errors::integer_out_of_range,
// bad_integer_character, second_base_mark, bad_base).
process::RuntimeError convert_integer_text(std::string_view text, int bytes, std::int32_t& value);

}  // namespace textio::listread
