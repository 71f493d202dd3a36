// The test launcher: sets environment variables on the Windows side, then
// starts a command line and returns its exit status. Under wine the
// variables that Windows programs see (COMSPEC among them) come from the
// wine prefix, not from the environment of the process that starts wine.
//
//   launcher NAME=VALUE... -- COMMAND LINE
//
// An empty VALUE removes the variable. The command line after " -- " is
// handed to the system as it stands; the child inherits the console and the
// standard handles.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        const char* equals = std::strchr(argv[first], '=');
        if (equals == nullptr) {
            std::fprintf(stderr, "launcher: NAME=VALUE expected, got %s\n", argv[first]);
            return 125;
        }
        const std::string name(static_cast<const char*>(argv[first]), equals);
        SetEnvironmentVariableA(name.c_str(), equals[1] != '\0' ? equals + 1 : nullptr);
    }
    const char* line = std::strstr(GetCommandLineA(), " -- ");
    if (first >= argc || line == nullptr) {
        std::fprintf(stderr, "launcher: NAME=VALUE... -- COMMAND LINE\n");
        return 125;
    }
    std::string command(line + 4);

    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        std::fprintf(stderr, "launcher: cannot start %s (error %lu)\n", command.c_str(), GetLastError());
        return 126;
    }
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return static_cast<int>(status);
}
