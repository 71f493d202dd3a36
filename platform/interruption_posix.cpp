// Interrupt, hang-up and terminate signals on a POSIX system.

#include <csignal>
#include <cstring>

#include <unistd.h>

#include "platform/interruption.h"

namespace platform {

namespace {

constexpr int interrupting[] = {SIGINT, SIGHUP, SIGTERM};

// The names as the handler reads them: fixed buffers, a name in use when its
// first byte is not zero. Changed only with the signals blocked.
constexpr std::size_t name_slots = 8;
constexpr std::size_t name_capacity = 512;
char names[name_slots][name_capacity];
bool handlers_installed = false;
int hold_depth = 0;

void on_interruption(int signal)
{
    // The last given first: a lock taken before the files it guards goes last.
    for (std::size_t slot = name_slots; slot-- > 0;)
        if (names[slot][0] != '\0') ::unlink(names[slot]);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

sigset_t interrupting_set()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : interrupting) sigaddset(&set, signal);
    return set;
}

// Runs `change` with the signals blocked.
template <typename Change>
void with_signals_blocked(Change change)
{
    const sigset_t set = interrupting_set();
    sigset_t before;
    ::sigprocmask(SIG_BLOCK, &set, &before);
    change();
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
}

void install_handlers()
{
    if (handlers_installed) return;
    handlers_installed = true;
    for (const int signal : interrupting) {
        struct sigaction action;
        // A signal that the starter told the process to ignore stays ignored.
        if (::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) continue;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = &on_interruption;
        sigfillset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace

void remove_when_interrupted(const std::string& name)
{
    if (name.empty() || name.size() >= name_capacity) return;
    with_signals_blocked([&] {
        install_handlers();
        char* free_slot = nullptr;
        for (char* slot : names) {
            if (name == slot) return;
            if (slot[0] == '\0' && free_slot == nullptr) free_slot = slot;
        }
        if (free_slot != nullptr) std::memcpy(free_slot, name.c_str(), name.size() + 1);
    });
}

void keep_when_interrupted(const std::string& name)
{
    with_signals_blocked([&] {
        for (char* slot : names)
            if (name == slot) slot[0] = '\0';
    });
}

void interruption_hold()
{
    if (hold_depth++ > 0) return;
    const sigset_t set = interrupting_set();
    ::sigprocmask(SIG_BLOCK, &set, nullptr);
}

void interruption_release()
{
    if (hold_depth == 0 || --hold_depth > 0) return;
    const sigset_t set = interrupting_set();
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

}  // namespace platform
