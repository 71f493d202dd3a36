#include "process/startup.h"

#include "platform/system.h"
#include "process/fp_environment.h"
#include "process/runtime_error.h"
#include "process/termination.h"

namespace process {

namespace {
int argument_count = 0;
char** arguments = nullptr;
int next_argument = 1;
}  // namespace

void start_up(int argc, char** argv, void (*initialise_io)(), void (*main_program)())
{
    argument_count = argc;
    arguments = argv;
    next_argument = 1;

    // Before anything opens a file: no file may become a standard handle.
    platform::occupy_closed_standard_handles();
    fp_environment_set();
    if (initialise_io != nullptr) initialise_io();
    fp_traps_enable();
    if (!platform::install_exit_routine(&terminate_units)) {
        platform::standard_error_write("\r\nrun-time error: cannot install the termination routine\r\n");
        platform::process_exit_at_once(255);
    }

    main_program();
    platform::process_exit(0);
}

std::optional<std::string> take_command_argument()
{
    if (arguments == nullptr || next_argument >= argument_count) return std::nullopt;
    return std::string(arguments[next_argument++]);
}

void finish(int status) { platform::process_exit(status); }

std::span<char* const> command_arguments()
{
    if (arguments == nullptr || argument_count < 2) return {};
    return {arguments + 1, static_cast<std::size_t>(argument_count - 1)};
}

}  // namespace process
