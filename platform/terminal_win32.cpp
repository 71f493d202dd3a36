// The terminal calls of the platform layer on Windows.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "platform/terminal.h"

namespace platform {

// A console: its mode can be read. A file or a pipe has none.
bool standard_error_is_terminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

bool program_on_path(const char* name)
{
    if (name == nullptr || *name == '\0') return false;
    const auto exists = [](const std::string& path) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    };
    // The name as given, then with each program extension of PATHEXT.
    std::string extensions = ";";
    char value[4096];
    DWORD length = GetEnvironmentVariableA("PATHEXT", value, sizeof value);
    extensions += length > 0 && length < sizeof value ? std::string(value, length) : std::string(".COM;.EXE;.BAT;.CMD");
    const auto found_in = [&](const std::string& folder) {
        std::string_view rest = extensions;
        for (;;) {
            const std::size_t semicolon = rest.find(';');
            if (exists(folder + name + std::string(rest.substr(0, semicolon)))) return true;
            if (semicolon == std::string_view::npos) return false;
            rest.remove_prefix(semicolon + 1);
        }
    };
    const std::string_view given = name;
    if (given.find_first_of("\\/:") != std::string_view::npos) return found_in("");
    if (found_in(".\\")) return true;
    length = GetEnvironmentVariableA("PATH", value, sizeof value);
    std::string_view folders = length > 0 && length < sizeof value ? std::string_view(value, length) : "";
    while (!folders.empty()) {
        const std::size_t semicolon = folders.find(';');
        std::string folder(folders.substr(0, semicolon));
        if (!folder.empty()) {
            if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
            if (found_in(folder)) return true;
        }
        if (semicolon == std::string_view::npos) break;
        folders.remove_prefix(semicolon + 1);
    }
    return false;
}

namespace {

// The calls come from a thread of their own.
std::thread caller;
std::mutex stopping_lock;
std::condition_variable stopping;
bool stop_asked = false;

}  // namespace

bool periodic_call_start(void (*callback)(), unsigned first_delay_ms, unsigned period_ms)
{
    if (caller.joinable()) return false;
    stop_asked = false;
    caller = std::thread([callback, first_delay_ms, period_ms] {
        std::unique_lock<std::mutex> lock(stopping_lock);
        auto wait = std::chrono::milliseconds(first_delay_ms);
        while (!stopping.wait_for(lock, wait, [] { return stop_asked; })) {
            callback();
            wait = std::chrono::milliseconds(period_ms == 0 ? 1000 : period_ms);
        }
    });
    return true;
}

void periodic_call_stop()
{
    if (!caller.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(stopping_lock);
        stop_asked = true;
    }
    stopping.notify_all();
    caller.join();
}

}  // namespace platform
