#pragma once
// Child processes through the operating system: run a command through a
// command interpreter and wait for it; the environment; the thread's
// last-error value.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// The value of the environment variable `name`, or nullptr when it is not set.
const char* environment_variable(const char* name);

// Copies the value of the environment variable `name` into `value`, which
// holds `capacity` bytes, and ends it with a NUL. Returns the value's length
// when it fits, the capacity it would need (its length plus one) when it
// does not, and 0 when the variable is not set or empty.
std::size_t environment_value(const char* name, char* value, std::size_t capacity);

// The system's own command interpreter, for when COMSPEC names none: its
// program, the switch before the command, and whether the desktop programs
// that the commands name (notepad, wgnuplot) are there under those names.
struct CommandInterpreter {
    const char* program;
    const char* command_switch;
    bool desktop_programs_by_name;
};
const CommandInterpreter& system_command_interpreter();

// Why a child process could not be started.
enum class StartFailure {
    none,
    not_found,        // the program or a folder of its path does not exist
    not_executable,   // not a program this system can run
    too_long,         // the command line is beyond the system's limit
    not_enough_room,  // any other reason: memory, handles, processes
};

// Runs `command` through `interpreter` (searched like any program named
// without a folder) with `command_switch` before it: the command line is
// the interpreter, a blank, the switch, a blank and the command. The child
// shares the console, the inheritable handles, the environment and the
// current folder; it is waited for without a time limit. On success the
// exit status is the child's (128 + the signal number for a child ended by
// a signal) and the thread's last-error value is left as it was.
StartFailure interpreter_run(std::string_view interpreter, std::string_view command_switch, std::string_view command,
                             int& exit_status);

// The calling thread's last-error value (0 until set).
std::uint32_t thread_last_error();
void set_thread_last_error(std::uint32_t value);

}  // namespace platform
