// The process calls of the platform layer on Windows: commands through the
// command interpreter, the environment, the thread's last-error value.

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/spawn.h"

namespace platform {

namespace {

StartFailure failure_of(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return StartFailure::not_found;
    case ERROR_BAD_FORMAT:
    case ERROR_BAD_EXE_FORMAT: return StartFailure::not_executable;
    default: return StartFailure::not_enough_room;
    }
}

}  // namespace

const char* environment_variable(const char* name)
{
    thread_local std::string value;
    char small[256];
    DWORD length = GetEnvironmentVariableA(name, small, sizeof small);
    if (length == 0) return nullptr;
    if (length < sizeof small) {
        value.assign(small, length);
        return value.c_str();
    }
    // Too long for the first try: `length` is the room it needs.
    value.resize(length);
    length = GetEnvironmentVariableA(name, value.data(), length);
    if (length == 0 || length >= value.size()) return nullptr;
    value.resize(length);
    return value.c_str();
}

std::size_t environment_value(const char* name, char* value, std::size_t capacity)
{
    return GetEnvironmentVariableA(name, value, static_cast<DWORD>(capacity));
}

const CommandInterpreter& system_command_interpreter()
{
    static const CommandInterpreter interpreter{"cmd.exe", "/c", true};
    return interpreter;
}

StartFailure interpreter_run(std::string_view interpreter, std::string_view command_switch, std::string_view command,
                             int& exit_status)
{
    const DWORD error_before = GetLastError();
    // The command line: interpreter, blank, switch, blank, command, NUL. The
    // system may write into it, so it is a buffer of its own.
    const std::size_t length = interpreter.size() + 1 + command_switch.size() + 1 + command.size();
    auto line = std::make_unique<char[]>(length + 1);
    char* end = line.get();
    for (const std::string_view piece :
         {interpreter, std::string_view(" "), command_switch, std::string_view(" "), command}) {
        std::memcpy(end, piece.data(), piece.size());
        end += piece.size();
    }
    *end = '\0';

    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child;
    std::memset(&child, 0, sizeof child);
    const BOOL started =
        CreateProcessA(nullptr, line.get(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child);
    const DWORD start_error = GetLastError();
    line.reset();
    if (!started) return failure_of(start_error);

    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 0;
    if (!GetExitCodeProcess(child.hProcess, &code)) code = static_cast<DWORD>(-1);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    exit_status = static_cast<int>(code);
    SetLastError(error_before);
    return StartFailure::none;
}

std::uint32_t thread_last_error() { return GetLastError(); }
void set_thread_last_error(std::uint32_t value) { SetLastError(value); }

}  // namespace platform
