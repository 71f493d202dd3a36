#pragma once
// Child processes through the operating system: start a program, wait for
// it; the environment; the thread's last-error value.

#include <cstdint>

namespace platform {

// The value of the environment variable `name`, or nullptr when it is not set.
const char* environment_variable(const char* name);

// Starts `program` with `arguments` (nullptr-terminated, the first being the
// program's own name) and waits for it without a time limit. A program name
// without a slash is searched on the PATH. The child shares the terminal
// (standard input, output and error), the environment and the current
// folder. Returns 0 and the exit status (128 + the signal number for a child
// ended by a signal), or the system's error number (errno) when the child
// could not be started.
int spawn_and_wait(const char* program, const char* const arguments[], int& exit_status);

// The calling thread's last-error value (0 until set).
std::uint32_t thread_last_error();
void set_thread_last_error(std::uint32_t value);

}  // namespace platform
