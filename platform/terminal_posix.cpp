// The terminal calls of the platform layer on Linux.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <sys/time.h>
#include <unistd.h>

#include "platform/terminal.h"

namespace platform {

bool standard_error_is_terminal() { return ::isatty(2) == 1; }

bool program_on_path(const char* name)
{
    if (name == nullptr || *name == '\0') return false;
    if (std::strchr(name, '/') != nullptr) return ::access(name, X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/bin:/bin";
    for (;;) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        // An empty entry is the current folder.
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate += '/';
        candidate += name;
        if (::access(candidate.c_str(), X_OK) == 0) return true;
        if (colon == std::string_view::npos) return false;
        folders.remove_prefix(colon + 1);
    }
}

namespace {

void (*periodic_callback)() = nullptr;
struct sigaction action_before;

void on_alarm(int)
{
    const int saved_errno = errno;
    if (periodic_callback != nullptr) periodic_callback();
    errno = saved_errno;
}

void set_timer(unsigned first_ms, unsigned period_ms)
{
    struct itimerval timer;
    std::memset(&timer, 0, sizeof timer);
    timer.it_value.tv_sec = static_cast<time_t>(first_ms / 1000);
    timer.it_value.tv_usec = static_cast<suseconds_t>(first_ms % 1000 * 1000);
    timer.it_interval.tv_sec = static_cast<time_t>(period_ms / 1000);
    timer.it_interval.tv_usec = static_cast<suseconds_t>(period_ms % 1000 * 1000);
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

}  // namespace

bool periodic_call_start(void (*callback)(), unsigned first_delay_ms, unsigned period_ms)
{
    periodic_callback = callback;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = &on_alarm;
    // Interrupted reads and writes of the files go on by themselves.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    if (::sigaction(SIGALRM, &action, &action_before) != 0) return false;
    set_timer(first_delay_ms == 0 ? 1 : first_delay_ms, period_ms);
    return true;
}

void periodic_call_stop()
{
    // Blocked first, so that no call starts between the timer's end and the
    // removal of the callback.
    sigset_t alarm;
    sigemptyset(&alarm);
    sigaddset(&alarm, SIGALRM);
    sigset_t before;
    ::sigprocmask(SIG_BLOCK, &alarm, &before);
    set_timer(0, 0);
    periodic_callback = nullptr;
    // A signal still pending is taken here, then the action of before the
    // start is given back (the programs started later inherit it).
    sigset_t pending;
    sigemptyset(&pending);
    if (::sigpending(&pending) == 0 && sigismember(&pending, SIGALRM) == 1) {
        const struct timespec at_once = {0, 0};
        ::sigtimedwait(&alarm, nullptr, &at_once);
    }
    ::sigaction(SIGALRM, &action_before, nullptr);
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
}

}  // namespace platform
