// The process calls of the platform layer on Linux (x86-64).

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>

#include <fcntl.h>
#include <sys/resource.h>
#include <ucontext.h>
#include <unistd.h>

#include "platform/system.h"

namespace platform {

// ---- process exit ----

void process_exit(int status) { std::exit(status); }

void process_exit_at_once(int status) { ::_exit(status); }

bool install_exit_routine(void (*routine)()) { return std::atexit(routine) == 0; }

// ---- standard error and the console ----

namespace {

bool output_failed = false;

// False when not every byte could be written.
bool write_all(int handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;  // nowhere left to say it
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void write_output(std::string_view bytes)
{
    if (!write_all(1, bytes)) output_failed = true;
}

}  // namespace

void occupy_closed_standard_handles()
{
    for (int handle = 0; handle <= 2; ++handle) {
        if (::fcntl(handle, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free handle is the one closed; inherited by child
        // processes like any standard handle.
        const int opened = ::open("/dev/null", handle == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != handle) {
            ::dup2(opened, handle);
            ::close(opened);
        }
    }
}

void standard_error_write(std::string_view bytes) { write_all(2, bytes); }

bool standard_handle_is_console(int handle) { return ::isatty(handle) == 1; }

void console_write(std::string_view bytes) { write_output(bytes); }

bool standard_output_failed() { return output_failed; }

// Terminals, files and pipes all take UTF-8 here.
void console_write_text(std::string_view utf8) { write_output(utf8); }

void standard_error_write_text(std::string_view utf8) { write_all(2, utf8); }

std::string argument_text(const char* argument) { return argument; }

// A terminal here belongs to a shell or a terminal window that outlives the
// program: never kept open.
void console_keep_open_at_exit(const char*) {}

// ---- floating-point control ----

namespace {

constexpr int trapping_exceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

FpTrapHandler trap_handler = nullptr;
bool traps_unmasked = false;

#if defined(__x86_64__)
constexpr unsigned x87_stack_fault = 0x0040;   // status word SF
constexpr unsigned x87_condition_c1 = 0x0200;  // with SF: 1 overflow, 0 underflow
#endif

FpTrap classify(const siginfo_t* info, const void* context)
{
    switch (info->si_code) {
    case FPE_FLTDIV: return FpTrap::divide_by_zero;
    case FPE_FLTOVF: return FpTrap::overflow;
    case FPE_FLTUND: return FpTrap::underflow;
    case FPE_FLTRES: return FpTrap::inexact;
    case FPE_INTDIV: return FpTrap::integer_divide;
    case FPE_INTOVF: return FpTrap::integer_overflow;
    case FPE_FLTINV: {
#if defined(__x86_64__)
        const auto* machine = static_cast<const ucontext_t*>(context);
        if (machine != nullptr && machine->uc_mcontext.fpregs != nullptr) {
            const unsigned status = machine->uc_mcontext.fpregs->swd;
            if (status & x87_stack_fault)
                return (status & x87_condition_c1) ? FpTrap::stack_overflow : FpTrap::stack_underflow;
        }
#else
        (void)context;
#endif
        return FpTrap::invalid;
    }
    default: return FpTrap::unknown;
    }
}

// The handler came back: complete the interrupted operation with its
// default result by masking every exception in the interrupted context.
void mask_interrupted_context(void* context)
{
#if defined(__x86_64__)
    auto* machine = static_cast<ucontext_t*>(context);
    if (machine == nullptr || machine->uc_mcontext.fpregs == nullptr) process_exit_at_once(1);
    auto& registers = *machine->uc_mcontext.fpregs;
    registers.mxcsr = (registers.mxcsr | 0x1F80u) & ~0x3Fu;
    registers.cwd = static_cast<unsigned short>(registers.cwd | 0x3Fu);
    registers.swd = static_cast<unsigned short>(registers.swd & ~0x80FFu);
#else
    (void)context;
    process_exit_at_once(1);
#endif
}

void on_floating_point_signal(int, siginfo_t* info, void* context)
{
    const FpTrap kind = classify(info, context);
    if (trap_handler != nullptr) trap_handler(kind);
    // An integer division would fault again at once: it cannot go on.
    if (kind == FpTrap::integer_divide || kind == FpTrap::integer_overflow || kind == FpTrap::unknown)
        process_exit_at_once(1);
    mask_interrupted_context(context);
}

}  // namespace

void fp_set_control()
{
    std::fesetenv(FE_DFL_ENV);  // round to nearest, all masked, no flush to zero
    traps_unmasked = false;
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

void fp_unmask_traps()
{
    std::feclearexcept(FE_ALL_EXCEPT);
#if !defined(DIFUSAO_FP_FLAG_PATH)
    // feenableexcept fails where the processor has no trap enables.
    traps_unmasked =
        ::feenableexcept(trapping_exceptions) != -1 && (::fegetexcept() & trapping_exceptions) == trapping_exceptions;
#endif
}

bool fp_traps_unmasked() { return traps_unmasked; }

void fp_clear_flags() { std::feclearexcept(FE_ALL_EXCEPT); }

bool fp_trap_raised(FpTrap& kind)
{
    const int raised = std::fetestexcept(trapping_exceptions);
    if (raised == 0) return false;
    kind = (raised & FE_INVALID)     ? FpTrap::invalid
           : (raised & FE_DIVBYZERO) ? FpTrap::divide_by_zero
                                     : FpTrap::overflow;
    return true;
}

void fp_install_trap_handler(FpTrapHandler handler)
{
    trap_handler = handler;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = &on_floating_point_signal;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGFPE, &action, nullptr);
}

void fp_hold(FpHeldEnvironment& held) { std::feholdexcept(&held.saved); }

bool fp_trap_flagged(FpTrap kind)
{
    switch (kind) {
    case FpTrap::invalid: return std::fetestexcept(FE_INVALID) != 0;
    case FpTrap::divide_by_zero: return std::fetestexcept(FE_DIVBYZERO) != 0;
    case FpTrap::overflow: return std::fetestexcept(FE_OVERFLOW) != 0;
    default: return false;
    }
}

void fp_give_back(const FpHeldEnvironment& held) { std::fesetenv(&held.saved); }

// The C library computes its functions in SSE2 at their full accuracy.
unsigned fp_library_precision_widen() { return 0; }
void fp_library_precision_restore(unsigned) {}

// ---- memory ----

namespace {

constexpr std::uint64_t unbounded = std::numeric_limits<std::uint64_t>::max();
// Limits at or above this are the systems' ways of writing "no limit".
constexpr std::uint64_t no_limit_above = std::uint64_t{1} << 60;

// A field "Name: value kB" of /proc/meminfo, in bytes; false when absent.
bool meminfo_field(const char* name, std::uint64_t& bytes)
{
    std::ifstream file("/proc/meminfo");
    std::string key;
    std::uint64_t value;
    std::string unit;
    while (file >> key >> value) {
        std::getline(file, unit);
        if (key == name) {
            bytes = value * 1024;
            return true;
        }
    }
    return false;
}

// The first number in a file; false when unreadable or "max".
bool number_in_file(const std::string& path, std::uint64_t& number)
{
    std::ifstream file(path);
    return static_cast<bool>(file >> number);
}

// The process's control-group path of the hierarchy named `controller`
// ("" for the unified one), from /proc/self/cgroup.
std::string cgroup_path(std::string_view controller)
{
    std::ifstream file("/proc/self/cgroup");
    std::string line;
    while (std::getline(file, line)) {
        const auto first = line.find(':');
        const auto second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos) continue;
        const std::string_view names = std::string_view(line).substr(first + 1, second - first - 1);
        if (names == controller) return line.substr(second + 1);
    }
    return {};
}

// Headroom left under a control group's memory limit; `unbounded` if none.
std::uint64_t cgroup_headroom()
{
    struct Layout {
        const char* root;
        const char* controller;
        const char* limit;
        const char* usage;
    };
    const Layout layouts[] = {
        {"/sys/fs/cgroup", "", "memory.max", "memory.current"},
        {"/sys/fs/cgroup/memory", "memory", "memory.limit_in_bytes", "memory.usage_in_bytes"},
    };
    std::uint64_t headroom = unbounded;
    for (const Layout& layout : layouts) {
        // Inside a container the group is often mounted as the root itself.
        const std::string folders[] = {std::string(layout.root) + cgroup_path(layout.controller),
                                       std::string(layout.root)};
        for (const std::string& folder : folders) {
            std::uint64_t limit = 0;
            if (!number_in_file(folder + "/" + layout.limit, limit) || limit >= no_limit_above) continue;
            std::uint64_t usage = 0;
            number_in_file(folder + "/" + layout.usage, usage);
            const std::uint64_t left = limit > usage ? limit - usage : 0;
            if (left < headroom) headroom = left;
            break;
        }
    }
    return headroom;
}

std::uint64_t resource_limit(int resource)
{
    struct rlimit limit;
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return unbounded;
    return static_cast<std::uint64_t>(limit.rlim_cur);
}

}  // namespace

std::uint64_t memory_obtainable_bytes()
{
    std::uint64_t obtainable = unbounded;
    std::uint64_t available = 0;
    std::uint64_t swap_free = 0;
    if (meminfo_field("MemAvailable:", available)) {
        meminfo_field("SwapFree:", swap_free);
        obtainable = available + swap_free;
    }
    for (const std::uint64_t bound : {resource_limit(RLIMIT_AS), resource_limit(RLIMIT_DATA), cgroup_headroom()})
        if (bound < obtainable) obtainable = bound;
    return obtainable;
}

}  // namespace platform
