#include "windows_run.h"

#include <windows.h>

#include <cstring>
#include <sstream>
#include <string>
#include <thread>

#include "support/scratch_folder.h"

namespace windows_run {

namespace {

HANDLE inheritable_file(const fs::path& path, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.string().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::vector<std::string> lines_split_at_lf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

fs::path build_folder()
{
    char name[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    return fs::path(std::string(name, length)).parent_path();
}

fs::path stand_in_interpreter() { return build_folder() / "stand_in_interpreter.exe"; }

fs::path scratch_folder(const std::string& name)
{
    fs::path run = testing_support::make_scratch_folder(name) / "run";
    fs::create_directories(run);
    return run;
}

namespace {

// A pipe whose writing end the child inherits; a thread reads the other end
// into `bytes` until every writer has closed it.
struct CapturePipe {
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    std::string bytes;
    std::thread reader;

    bool open()
    {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return false;
        SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
        return true;
    }
    void start_reading()
    {
        CloseHandle(write_end);  // the child's copies remain
        write_end = nullptr;
        reader = std::thread([this] {
            char chunk[4096];
            DWORD got = 0;
            while (ReadFile(read_end, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
        });
    }
    void finish()
    {
        if (write_end != nullptr) CloseHandle(write_end);
        if (reader.joinable()) reader.join();
        CloseHandle(read_end);
    }
};

}  // namespace

fs::path console_host() { return build_folder() / "console_host.exe"; }

std::string in_code_page(const std::string& utf8, unsigned code_page)
{
    const int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wide_length);
    const int length = WideCharToMultiByte(code_page, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), wide_length, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

WindowsProgramRun run(const Session& session)
{
    const fs::path& folder = session.folder;
    const fs::path log = folder.parent_path() / "interpreter.log";
    const fs::path error_file = folder.parent_path() / "stderr.txt";
    const fs::path output_file = folder.parent_path() / "stdout.txt";
    const fs::path screen_file = folder.parent_path() / "screen.txt";
    fs::remove(log);
    std::string line;
    if (session.standard == Standard::console) {
        line.append("\"").append(console_host().string()).append("\" \"").append(screen_file.string());
        line.append("\" ").append(std::to_string(session.console_code_page));
        line += session.console_alone ? " alone -- " : " -- ";
    }
    if (!session.console_alone) {
        line += "launcher.exe STAND_IN_LOG=" + log.string();
        for (const std::string& setting : session.environment) line += " " + setting;
        line += " -- ";
    }
    line += (session.program.empty() ? build_folder() / "difusao1d.exe" : session.program).string();
    for (const std::string& argument : session.arguments) line += " \"" + in_code_page(argument, CP_ACP) + "\"";

    CapturePipe error_pipe, output_pipe;
    const bool pipes = session.standard == Standard::pipes && error_pipe.open() && output_pipe.open();
    HANDLE error_output = nullptr;
    HANDLE standard_output = nullptr;
    if (pipes) {
        error_output = error_pipe.write_end;
        standard_output = output_pipe.write_end;
    } else {
        error_output = inheritable_file(error_file, GENERIC_WRITE, CREATE_ALWAYS);
        standard_output = inheritable_file(output_file, GENERIC_WRITE, CREATE_ALWAYS);
    }
    const HANDLE input = inheritable_file("NUL", GENERIC_READ, OPEN_EXISTING);
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = standard_output;
    startup.hStdError = error_output;
    PROCESS_INFORMATION child;
    WindowsProgramRun run;
    const std::string starter =
        (session.standard == Standard::console ? console_host() : build_folder() / "launcher.exe").string();
    const bool started = CreateProcessA(starter.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.string().c_str(), &startup, &child) != 0;
    if (pipes) {
        error_pipe.start_reading();
        output_pipe.start_reading();
    }
    if (started) {
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &run.exit_status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    } else {
        run.standard_error = "cannot start " + starter + ": system error " + std::to_string(GetLastError());
    }
    CloseHandle(input);
    if (pipes) {
        error_pipe.finish();
        output_pipe.finish();
        run.standard_error += error_pipe.bytes;
        run.standard_output = output_pipe.bytes;
    } else {
        CloseHandle(error_output);
        CloseHandle(standard_output);
        run.standard_error += read_file(error_file);
        run.standard_output = read_file(output_file);
    }
    run.commands = lines_split_at_lf(read_file(log));
    if (session.standard == Standard::console) {
        run.screen = lines_split_at_lf(read_file(screen_file));
        run.rows_seen = lines_split_at_lf(read_file(screen_file.string() + ".seen"));
    }
    return run;
}

WindowsProgramRun run_windows_program(const fs::path& folder, const std::vector<std::string>& environment,
                                      const fs::path& program)
{
    return run({folder, environment, {}, Standard::files, 0, program});
}

std::vector<std::string> rows_holding(const std::vector<std::string>& rows, const std::string& text)
{
    std::vector<std::string> holding;
    for (const std::string& row : rows)
        if (row.find(text) != std::string::npos) holding.push_back(row);
    return holding;
}

}  // namespace windows_run
