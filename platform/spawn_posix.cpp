#include "platform/spawn.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>

// Declared by <unistd.h> only under _GNU_SOURCE.
extern char** environ;  // NOLINT(readability-redundant-declaration)

namespace platform {

namespace {

thread_local std::uint32_t last_error_value = 0;

StartFailure failure_of(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return StartFailure::not_found;
    case ENOEXEC: return StartFailure::not_executable;
    case E2BIG: return StartFailure::too_long;
    default: return StartFailure::not_enough_room;
    }
}

}  // namespace

const char* environment_variable(const char* name) { return std::getenv(name); }

std::size_t environment_value(const char* name, char* value, std::size_t capacity)
{
    const char* found = std::getenv(name);
    if (found == nullptr) return 0;
    const std::size_t length = std::strlen(found);
    if (length >= capacity) return length + 1;
    std::memcpy(value, found, length + 1);
    return length;
}

const CommandInterpreter& system_command_interpreter()
{
    static const CommandInterpreter shell{"/bin/sh", "-c", false};
    return shell;
}

StartFailure interpreter_run(std::string_view interpreter, std::string_view command_switch, std::string_view command,
                             int& exit_status)
{
    std::string program(interpreter);
    std::string switch_text(command_switch);
    std::string command_text(command);
    char* const arguments[] = {program.data(), switch_text.data(), command_text.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ);
    if (error != 0) return failure_of(error);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            exit_status = -1;
            return StartFailure::none;
        }
    }
    if (WIFEXITED(status))
        exit_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        exit_status = 128 + WTERMSIG(status);
    else
        exit_status = -1;
    return StartFailure::none;
}

std::uint32_t thread_last_error() { return last_error_value; }
void set_thread_last_error(std::uint32_t value) { last_error_value = value; }

}  // namespace platform
