#pragma once
// Start-up: the process prepared for the program, in a fixed order, before
// the main program runs.

#include <optional>
#include <span>
#include <string>

namespace process {

// 0. every standard handle left closed by the starter occupied, so that no
//    file opened later becomes standard input, output or error;
// 1. the floating-point control set (every exception still masked);
// 2. the I/O layer initialised by `initialise_io` (the unit table and the
//    console records; it hands its unit closer to process termination);
// 3. the floating-point trap handler installed, pending flags cleared,
//    invalid operation, division by zero and overflow unmasked;
// 4. terminate_units installed as an exit routine;
// 5. `main_program` called; when it returns, the process ends with exit
//    status 0 through the normal exit path.
// Does not return.
[[noreturn]] void start_up(int argc, char** argv, void (*initialise_io)(), void (*main_program)());

// The next command-line argument not yet taken (a file name for a unit
// connected without one), or nothing when every argument has been taken.
std::optional<std::string> take_command_argument();

// Ends the process with `status` through the normal exit path (the exit
// routines, terminate_units among them, run first).
[[noreturn]] void finish(int status);

// Every command-line argument after the program's name, whether taken or not.
std::span<char* const> command_arguments();

}  // namespace process
