#pragma once
// The single sink of every run-time error of the program.
//
// Every failure anywhere (I/O, conversion, allocation, floating-point trap,
// mathematical function) is reported here once: the report goes to standard
// error and the process ends with exit status 1 after every unit is closed,
// so that the records already written reach their files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "process/error_numbers.h"

namespace process {

// What was being done when the error arose; selects the frame text written
// after the error number. `none`: the arrays and a unit number out of range.
enum class StatementKind {
    close,
    write,
    open,
    read,
    math,
    none,
};

// Writes the report of `error` with `message` under the frame of `kind`
// (naming `file_name` for the kinds framed in parentheses) and ends the
// process with exit status 1.
[[noreturn]] void report_runtime_error(RuntimeError error, std::string_view message, StatementKind kind,
                                       std::string_view file_name = {});

// The usual call: the message is the one of the error table.
[[noreturn]] inline void raise_runtime_error(RuntimeError error, StatementKind kind, std::string_view file_name = {})
{
    report_runtime_error(error, error_message(error), kind, file_name);
}

// An error met while the units are closed at the end of the run (by the unit
// closer, or a trap inside it): reported as above, but while termination is
// in progress it returns, so that the units left are still closed. At any
// other time it ends the process as report_runtime_error does.
void report_error_while_terminating(RuntimeError error, std::string_view message, StatementKind kind,
                                    std::string_view file_name = {});

// The report exactly as it is written to standard error: CR LF, "run-time
// error ", the letter and the four digits of the error, the frame, the file
// name for the parenthesised frames, the message, CR LF. Writes at most
// `capacity` bytes into `report` and returns their number.
std::size_t format_runtime_error(char* report, std::size_t capacity, RuntimeError error, std::string_view message,
                                 StatementKind kind, std::string_view file_name);

// In-process runs of the program's operations (fuzzers and tests): while a
// hook is installed, a report hands it the error and the report instead of
// writing the report and ending the process. The hook must not return: it
// throws, so that the caller regains control (a hook that returns aborts).
using RuntimeErrorHook = void (*)(RuntimeError error, std::string_view report);
void set_runtime_error_hook(RuntimeErrorHook hook);

// On an interactive standard error only, after the report: a routine that
// may add a line telling what in the input led to the error (it writes to
// standard error itself); `file_name` is the file of the parenthesised
// frames. Not called while a hook is installed.
using RuntimeErrorExplainer = void (*)(RuntimeError error, StatementKind kind, std::string_view file_name);
void set_runtime_error_explainer(RuntimeErrorExplainer explainer);

// What a mathematical function found wrong with its argument or result.
enum class MathError {
    domain,       // "DOMAIN": argument outside the domain
    singularity,  // "SING": pole of the function
    overflow,     // "OVERFLOW": result too large for a double
    total_loss,   // "TLOSS": argument too large to carry an angle
};

// Reports "<function>: <WORD> error" with the letter M and the MATH frame.
[[noreturn]] void math_function_error(MathError kind, std::string_view function_name);

}  // namespace process
