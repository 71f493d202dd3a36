// A console for the tests: runs a command line in a new console of its own
// (a pseudo console, which wine gives without a display) and records what
// the console showed.
//
//   console_host RESULT CODE_PAGE [alone] -- COMMAND LINE
//
// The command runs with standard input, output and error the console, whose
// code page is CODE_PAGE (0 keeps the console's own); "alone": its only
// process, as from the desktop, Enter typed at its prompt, ended (127) after
// a minute. While it runs the
// screen is read every few milliseconds. RESULT gets the screen at the end,
// RESULT.seen every row that stood on the screen at any time, in the order
// first seen; both in UTF-8, one row a line, the blanks at the end of a row
// dropped. The exit status is the command's; 120 and up when the console
// could not be made.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr SHORT columns = 300;
constexpr SHORT rows = 100;
constexpr DWORD poll_ms = 20;

const char* command_line_after_separator()
{
    const char* separator = std::strstr(GetCommandLineA(), " -- ");
    return separator != nullptr ? separator + 4 : nullptr;
}

std::string utf8(const wchar_t* text, int length)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// The rows of the screen, each without its trailing blanks.
std::vector<std::string> screen_rows(HANDLE console)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info)) return {};
    const auto width = static_cast<std::size_t>(info.dwSize.X);
    std::vector<wchar_t> cells(width * static_cast<std::size_t>(info.dwSize.Y), L' ');
    DWORD got = 0;
    ReadConsoleOutputCharacterW(console, cells.data(), static_cast<DWORD>(cells.size()), COORD{0, 0}, &got);
    std::vector<std::string> screen;
    for (std::size_t start = 0; start + width <= cells.size(); start += width) {
        std::size_t end = start + width;
        while (end > start && cells[end - 1] == L' ') --end;
        screen.push_back(utf8(cells.data() + start, static_cast<int>(end - start)));
    }
    return screen;
}

void write_rows(const std::string& file, const std::vector<std::string>& lines)
{
    std::size_t count = lines.size();
    while (count > 0 && lines[count - 1].empty()) --count;
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        for (std::size_t i = 0; i < count; ++i) std::fprintf(out, "%s\n", lines[i].c_str());
        std::fclose(out);
    }
}

// Inside the console: the command with the console as its standard handles
// (wine hands a process of a pseudo console none of its own).
// Types Enter into the console: the key down ends a line being read.
void press_enter(HANDLE input)
{
    INPUT_RECORD key{};
    key.EventType = KEY_EVENT;
    key.Event.KeyEvent = {TRUE, 1, VK_RETURN, 0, {L'\r'}, 0};
    DWORD written = 0;
    WriteConsoleInputW(input, &key, 1, &written);
}

int run_inside(const std::string& result, unsigned code_page, bool alone, const char* command)
{
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE output = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherited, OPEN_EXISTING, 0, nullptr);
    const HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherited, OPEN_EXISTING, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE || input == INVALID_HANDLE_VALUE) return 122;
    if (code_page != 0 && (!SetConsoleOutputCP(code_page) || !SetConsoleCP(code_page))) return 123;

    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION child;
    std::string line = command;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child))
        return 124;

    // The handles opened above still reach the console.
    if (alone) FreeConsole();

    std::vector<std::string> seen;
    std::set<std::string> known;
    bool answered = false;
    const auto look = [&] {
        for (std::string& row : screen_rows(output)) {
            if (alone && !answered && row.find("Pressione Enter") != std::string::npos) {
                press_enter(input);
                answered = true;
            }
            if (!row.empty() && known.insert(row).second) seen.push_back(std::move(row));
        }
    };
    const ULONGLONG started = GetTickCount64();
    while (WaitForSingleObject(child.hProcess, poll_ms) == WAIT_TIMEOUT) {
        look();
        if (alone && GetTickCount64() - started > 60000) TerminateProcess(child.hProcess, 127);
    }
    look();
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    write_rows(result, screen_rows(output));
    write_rows(result + ".seen", seen);
    return static_cast<int>(status);
}

// Outside: a pseudo console, this program again inside it, its output
// drained (the console waits while nobody reads it) and thrown away.
int run_in_new_console(const std::string& result, const char* code_page, bool alone, const char* command)
{
    HANDLE input_read = nullptr, input_write = nullptr, output_read = nullptr, output_write = nullptr;
    if (!CreatePipe(&input_read, &input_write, nullptr, 0) || !CreatePipe(&output_read, &output_write, nullptr, 0))
        return 120;
    HPCON console = nullptr;
    if (FAILED(CreatePseudoConsole(COORD{columns, rows}, input_read, output_write, 0, &console))) return 121;
    std::thread drain([output_read] {
        char bytes[4096];
        DWORD got = 0;
        while (ReadFile(output_read, bytes, sizeof bytes, &got, nullptr) && got > 0) {}
    });

    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    InitializeProcThreadAttributeList(list, 1, 0, &size);
    UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE, console, sizeof console, nullptr, nullptr);
    STARTUPINFOEXA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.StartupInfo.cb = sizeof startup;
    startup.lpAttributeList = list;

    char self[MAX_PATH];
    const DWORD self_length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string line(1, '"');
    line.append(self, self_length);
    line += "\" --inside \"" + result + "\" " + code_page + (alone ? " alone" : "") + " -- " + command;
    PROCESS_INFORMATION child;
    DWORD status = 125;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                       &startup.StartupInfo, &child)) {
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    DeleteProcThreadAttributeList(list);
    ClosePseudoConsole(console);
    CloseHandle(output_write);
    CloseHandle(input_read);
    drain.join();
    CloseHandle(output_read);
    CloseHandle(input_write);
    return static_cast<int>(status);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* command = command_line_after_separator();
    const bool inside = argc >= 2 && std::strcmp(argv[1], "--inside") == 0;
    const int first = inside ? 2 : 1;
    const bool alone = argc > first + 2 && std::strcmp(argv[first + 2], "alone") == 0;
    if (inside && argc >= 5 && command != nullptr)
        return run_inside(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)), alone, command);
    if (!inside && argc >= 4 && command != nullptr) return run_in_new_console(argv[1], argv[2], alone, command);
    std::fprintf(stderr, "console_host RESULT CODE_PAGE [alone] -- COMMAND LINE\n");
    return 126;
}
