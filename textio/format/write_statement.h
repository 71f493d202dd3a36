#pragma once
// Write statements driven by a record format.
//
// For each statement the caller issues format_write_begin, then one
// format_write_integer or format_write_real per item in list order, then
// format_write_end; nothing reaches the unit before format_write_end.

#include <cstdint>

#include "process/error_numbers.h"

namespace textio {

// Bits of the `flags` of format_write_begin.
inline constexpr int format_write_error_return = 1;   // return the error instead of raising it
inline constexpr int format_write_non_advancing = 2;  // leave the final record open

// Starts a statement on unit `unit` (-32767..32767, else the error of a unit number out of range) with the
// record format `text` of `length` bytes (-1: up to its first zero byte).
void format_write_begin(int unit, const char* text, int length, int flags);
// Items, copied at the call.
void format_write_integer(std::int32_t value);
void format_write_real(double value);
// Executes the statement; returns no_error, or the error when error return
// was asked for.
process::RuntimeError format_write_end();

}  // namespace textio
