#include "process/platform/spawn.h"

#include <cerrno>
#include <cstdlib>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

// Declared by <unistd.h> only under _GNU_SOURCE.
extern char** environ;  // NOLINT(readability-redundant-declaration)

namespace platform {

namespace {
thread_local std::uint32_t last_error_value = 0;
}

const char* environment_variable(const char* name) { return std::getenv(name); }

int spawn_and_wait(const char* program, const char* const arguments[], int& exit_status)
{
    pid_t child = 0;
    // posix_spawn takes char* const[] but does not change the strings.
    char* const* argv = const_cast<char* const*>(arguments);
    const int error = posix_spawnp(&child, program, nullptr, nullptr, argv, environ);
    if (error != 0) return error;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            exit_status = -1;
            return 0;
        }
    }
    if (WIFEXITED(status))
        exit_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        exit_status = 128 + WTERMSIG(status);
    else
        exit_status = -1;
    return 0;
}

std::uint32_t thread_last_error() { return last_error_value; }
void set_thread_last_error(std::uint32_t value) { last_error_value = value; }

}  // namespace platform
