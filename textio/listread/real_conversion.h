#pragma once
// Text of a real value to a double or a 4-byte real.

#include <string_view>

#include "process/error_numbers.h"

namespace textio::listread {

// Returns no_error and the value, or the error: errors::bad_real for a text
// that is not a number or has characters left over, real_too_large for a
// magnitude too large for a double. A magnitude too small gives zero or a
// subnormal.
process::RuntimeError convert_real8_text(std::string_view text, double& value);

// As above, then real4_too_large for a magnitude above the largest 4-byte
// real.
process::RuntimeError convert_real4_text(std::string_view text, float& value);

}  // namespace textio::listread
