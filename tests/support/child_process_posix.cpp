// Children by fork: the child is this process, copied at the call.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/child_process.h"

namespace testing_support {

namespace {

std::string read_all(int handle)
{
    std::string text;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(handle, chunk, sizeof chunk);
        if (got <= 0) break;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return text;
}

}  // namespace

ChildOutcome run_in_child(const std::function<void()>& body, const std::string& input)
{
    int error_pipe[2], output_pipe[2], input_pipe[2];
    if (::pipe(error_pipe) != 0 || ::pipe(output_pipe) != 0 || ::pipe(input_pipe) != 0) std::abort();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(error_pipe[1], 2);
        ::dup2(output_pipe[1], 1);
        ::dup2(input_pipe[0], 0);
        for (int handle : {error_pipe[0], error_pipe[1], output_pipe[0], output_pipe[1], input_pipe[0], input_pipe[1]})
            ::close(handle);
        body();
        std::exit(0);
    }
    ::close(error_pipe[1]);
    ::close(output_pipe[1]);
    ::close(input_pipe[0]);
    if (!input.empty() && ::write(input_pipe[1], input.data(), input.size()) < 0) std::abort();
    ::close(input_pipe[1]);
    ChildOutcome outcome;
    // Standard output is small in these tests: read it after standard error.
    outcome.error_output = read_all(error_pipe[0]);
    outcome.standard_output = read_all(output_pipe[0]);
    ::close(error_pipe[0]);
    ::close(output_pipe[0]);
    int wait_status = 0;
    ::waitpid(child, &wait_status, 0);
    outcome.exited = WIFEXITED(wait_status);
    outcome.status = outcome.exited ? WEXITSTATUS(wait_status) : -1;
    return outcome;
}

}  // namespace testing_support
