#pragma once
// The process through the operating system: exit and exit routines,
// standard error and the console, the floating-point control of the
// processor with its trap, and the memory the machine can still give.

#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// ---- process exit ----

// Ends the process with `status` through the normal exit path: the exit
// routines run in the reverse order of their installation.
[[noreturn]] void process_exit(int status);
// Ends the process at once, running nothing.
[[noreturn]] void process_exit_at_once(int status);
// Installs a routine to run at the normal exit; false when the table is full.
bool install_exit_routine(void (*routine)());

// ---- standard error and the console ----

// Every standard handle (input, output, error) that the starter of the
// process left closed is given a harmless stand-in (the null device), so
// that no file opened later can take its place: what is written to it is
// lost, never written into a file of the user's. Called first at start-up.
void occupy_closed_standard_handles();

// Writes the bytes to standard error unchanged (no translation of line ends).
void standard_error_write(std::string_view bytes);
// Standard input (0) or standard output (1) is a terminal.
bool standard_handle_is_console(int handle);
// Writes to standard output.
void console_write(std::string_view bytes);
// A write to standard output has failed (a full disk, a closed pipe) since
// the process started: what was to be shown is lost.
bool standard_output_failed();
// Texts of the program's own (help, hints, progress, messages), in UTF-8, to
// standard output or standard error, so that they show as written: to a
// console through its own character calls, whatever its code page; to a file
// or a pipe as UTF-8 bytes with the system's line ends (CR LF on Windows, LF
// elsewhere). Usable from the periodic call of a progress line.
void console_write_text(std::string_view utf8);
void standard_error_write_text(std::string_view utf8);
// A command-line argument as a text of the program's own (UTF-8), converted
// from the code page the system hands arguments in.
std::string argument_text(const char* argument);
// One line from standard input without its line end (LF or CR LF); false at
// the end of the input with nothing read.
bool console_read_line(std::string& line);
// A console window that closes with the process (a console program started
// from the desktop: the only process of its console, every standard handle
// the console): once anything has been written to it, the exit writes
// `prompt` and waits for Enter, so that the messages can be read. Never from
// a command prompt, a script or with a redirected handle, whose console or
// file outlives the program; never on a terminal of another system. Call it
// before installing any other exit routine, so that it runs after them all.
void console_keep_open_at_exit(const char* prompt);

// ---- floating-point control ----

// What the processor reported when it trapped.
enum class FpTrap {
    invalid,
    denormal,
    divide_by_zero,
    overflow,
    underflow,
    inexact,
    square_root,
    stack_overflow,
    stack_underflow,
    integer_divide,
    integer_overflow,
    unknown,
};

// Rounding to nearest, subnormal results and operands kept (no flush to
// zero), every exception masked and every flag clear. Doubles are computed
// in SSE2 registers, so every result is rounded to double precision.
void fp_set_control();
// Unmasks invalid operation, division by zero and overflow: they trap.
// Underflow, inexact and denormal stay masked. Where the processor cannot
// trap (most ARM cores), or in a build made with DIFUSAO_FP_FLAG_PATH, they
// stay masked and only raise their flags.
void fp_unmask_traps();
// Whether fp_unmask_traps made the three exceptions trap.
bool fp_traps_unmasked();
void fp_clear_flags();
// Invalid operation, division by zero or overflow is flagged; `kind` names
// the first of them in that order.
bool fp_trap_raised(FpTrap& kind);

// `handler` is called on the faulting thread when an unmasked exception
// traps. It is expected not to return; if it does, the interrupted
// operation is completed with every exception masked (its default result)
// and the run goes on, so a trap can never repeat endlessly.
using FpTrapHandler = void (*)(FpTrap kind);
void fp_install_trap_handler(FpTrapHandler handler);

// Holds the floating-point environment: every exception masked and flags
// cleared until the environment is given back.
struct FpHeldEnvironment {
#if defined(_WIN32)
    unsigned sse_control_and_status;
    unsigned short x87_control;
#else
    std::fenv_t saved;
#endif
};
void fp_hold(FpHeldEnvironment& held);
// The exception of `kind` (invalid, divide_by_zero or overflow) has been
// flagged since the hold; false for the other kinds.
bool fp_trap_flagged(FpTrap kind);
void fp_give_back(const FpHeldEnvironment& held);

// The runtime's mathematical functions at their best accuracy. Where they
// compute on the x87 unit (the Windows runtime), its precision control is
// raised to 64 bits for the call and the run's 53 bits restored after it, so
// that the one rounding to double happens at the end; the program's own
// arithmetic never sees the wider precision. Elsewhere nothing changes.
unsigned fp_library_precision_widen();
void fp_library_precision_restore(unsigned saved);

// ---- memory ----

// Bytes the process can still obtain and touch: the available physical
// memory plus free swap, bounded by the address-space and data-size limits
// of the process and by the memory limit of its control group, less what
// that group already uses. Read anew at every call.
std::uint64_t memory_obtainable_bytes();

}  // namespace platform
