#pragma once
// Running one command line through the command interpreter and waiting for
// it: the editor and the plotting program of the run.

#include <cstdint>
#include <string_view>

namespace process {

// Longest command, after its trailing blanks are stripped.
inline constexpr int command_length_limit = 1024;
// Longest interpreter name taken from COMSPEC.
inline constexpr int interpreter_name_limit = 260;
// Bits set in the thread's last-error value beside a start failure code, so
// that it cannot be mistaken for a system error code.
inline constexpr std::uint32_t start_failure_bits = 0x2FFF0000;

// Runs `command` (trailing blanks ignored) and waits for the child without a
// time limit.
//
// With COMSPEC set, the child is that interpreter with "/c" and the command.
// Without it the command goes to the system's own interpreter: cmd.exe /c
// where the desktop programs exist, else /bin/sh -c, where the command name
// notepad stands for the user's editor ($VISUAL, else $EDITOR, either of
// which may hold options; else the system's default editor, nano or vi) and
// wgnuplot for gnuplot. There, with neither variable set and standard input
// or output not a terminal, the editor is not started and 0 is returned: a
// run from a script or an IDE's console never waits on an editor nobody sees.
//
// Returns the child's exit status unchanged (128 + the signal number for a
// child ended by a signal), or -1 when nothing could be started; then the
// thread's last-error value holds start_failure_bits and the code 2 (not
// found, or COMSPEC over 260 characters), 7 (command over 1024 characters),
// 8 (not an executable format) or 12 (any other failure).
// A progress line on the terminal is erased before the child starts.
int run_command(std::string_view command);

// What the runner tells about the commands, for the lines a program shows
// on an interactive terminal (each notice may be absent):
// - fallback_editor: before an editor chosen without VISUAL or EDITOR (the
//   system's default, nano or vi) starts, with its name;
// - failed: after a command that could not be started (status -1) or ended
//   with a status other than 0, with the program that the command line
//   started (its first word after the names are mapped).
struct CommandNotices {
    void (*fallback_editor)(std::string_view editor) = nullptr;
    void (*failed)(std::string_view command, std::string_view program, int status) = nullptr;
};
void set_command_notices(const CommandNotices& chosen);

}  // namespace process
