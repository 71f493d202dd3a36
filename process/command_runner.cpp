#include "process/command_runner.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "platform/spawn.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "process/terminal_line.h"

namespace process {

namespace {

CommandNotices notices;

enum StartFailure : std::uint32_t {
    no_such_file = 2,
    argument_list_too_long = 7,
    not_executable = 8,
    not_enough_resources = 12,
};

int start_failed(std::uint32_t code)
{
    platform::set_thread_last_error(start_failure_bits | code);
    return -1;
}

std::uint32_t code_of(platform::StartFailure failure)
{
    switch (failure) {
    case platform::StartFailure::not_found: return no_such_file;
    case platform::StartFailure::not_executable: return not_executable;
    case platform::StartFailure::too_long: return argument_list_too_long;
    case platform::StartFailure::none:
    case platform::StartFailure::not_enough_room: break;
    }
    return not_enough_resources;
}

int run_through(std::string_view interpreter, std::string_view command_switch, std::string_view command)
{
    int exit_status = 0;
    const platform::StartFailure failure = platform::interpreter_run(interpreter, command_switch, command, exit_status);
    if (failure != platform::StartFailure::none) return start_failed(code_of(failure));
    return exit_status;
}

bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool names_program(std::string_view word, std::string_view program)
{
    return equals_ignoring_case(word, program) ||
           (word.size() == program.size() + 4 && equals_ignoring_case(word.substr(0, program.size()), program) &&
            equals_ignoring_case(word.substr(program.size()), ".exe"));
}

// The editor that stands for notepad: $VISUAL, else $EDITOR, else the
// system's default editor, else nano, else vi. Without the user's own choice
// only a terminal editor is left, and with standard input or output not a
// terminal nobody could see or use it: then nullptr, no editor at all.
const char* user_editor(bool& fallback)
{
    fallback = false;
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = platform::environment_variable(variable);
        if (value && *value) return value;
    }
    if (!platform::standard_handle_is_console(0) || !platform::standard_handle_is_console(1)) return nullptr;
    fallback = true;
    for (const char* candidate : {"sensible-editor", "editor", "nano"})
        if (platform::program_on_path(candidate)) return candidate;
    return "vi";
}

std::string_view first_word(std::string_view line)
{
    const std::size_t start = std::min(line.find_first_not_of(' '), line.size());
    line.remove_prefix(start);
    return line.substr(0, line.find(' '));
}

// The shell's command line: the programs the command names by their desktop
// names replaced by their counterparts here. Nothing (no command to run) for
// the editor when there is none to show.
std::optional<std::string> shell_command_line(std::string_view command, bool& fallback_editor)
{
    fallback_editor = false;
    const std::size_t start = command.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::string(command);
    const std::size_t end = std::min(command.find(' ', start), command.size());
    const std::string_view name = command.substr(start, end - start);
    const char* replacement = nullptr;
    if (names_program(name, "notepad")) {
        replacement = user_editor(fallback_editor);
        if (replacement == nullptr) return std::nullopt;
    } else if (names_program(name, "wgnuplot")) {
        replacement = "gnuplot";
    }
    if (!replacement) return std::string(command);
    std::string line(command.substr(0, start));
    line += replacement;
    line += command.substr(end);
    return line;
}

int noticed(std::string_view command, std::string_view line, int status)
{
    if (status != 0 && notices.failed != nullptr) notices.failed(command, first_word(line), status);
    return status;
}

}  // namespace

void set_command_notices(const CommandNotices& chosen) { notices = chosen; }

int run_command(std::string_view command)
{
    erase_terminal_line();  // the child gets a clean terminal
    command = command.substr(0, command.find_last_not_of(' ') + 1);
    if (command.size() > static_cast<std::size_t>(command_length_limit)) return start_failed(argument_list_too_long);

    char interpreter[interpreter_name_limit + 1];
    const std::size_t interpreter_length = platform::environment_value("COMSPEC", interpreter, sizeof interpreter);
    if (interpreter_length > static_cast<std::size_t>(interpreter_name_limit)) return start_failed(no_such_file);
    if (interpreter_length > 0)
        return noticed(command, command, run_through(std::string_view(interpreter, interpreter_length), "/c", command));

    const platform::CommandInterpreter& system = platform::system_command_interpreter();
    if (system.desktop_programs_by_name)
        return noticed(command, command, run_through(system.program, system.command_switch, command));
    bool fallback_editor = false;
    const std::optional<std::string> line = shell_command_line(command, fallback_editor);
    // No editor can be shown: as if it had been closed at once.
    if (!line) return 0;
    if (fallback_editor && notices.fallback_editor != nullptr) notices.fallback_editor(first_word(*line));
    return noticed(command, *line, run_through(system.program, system.command_switch, *line));
}

}  // namespace process
