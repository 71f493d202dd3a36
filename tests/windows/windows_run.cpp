#include "windows_run.h"

#include <windows.h>

#include <cstring>
#include <sstream>
#include <string>

#include "support/scratch_folder.h"

namespace windows_run {

namespace {

HANDLE inheritable_file(const fs::path& path, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.string().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::vector<std::string> lines_of(const std::string& text)
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

ProgramRun run_program(const fs::path& folder, const std::vector<std::string>& environment, const fs::path& program)
{
    const fs::path log = folder.parent_path() / "interpreter.log";
    const fs::path error_file = folder.parent_path() / "stderr.txt";
    const fs::path output_file = folder.parent_path() / "stdout.txt";
    fs::remove(log);
    std::string line = "launcher.exe STAND_IN_LOG=" + log.string();
    for (const std::string& setting : environment) line += " " + setting;
    line += " -- " + (program.empty() ? build_folder() / "difusao1d.exe" : program).string();

    const HANDLE error_output = inheritable_file(error_file, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE standard_output = inheritable_file(output_file, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE input = inheritable_file("NUL", GENERIC_READ, OPEN_EXISTING);
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = standard_output;
    startup.hStdError = error_output;
    PROCESS_INFORMATION child;
    ProgramRun run;
    const std::string launcher = (build_folder() / "launcher.exe").string();
    if (CreateProcessA(launcher.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.string().c_str(),
                       &startup, &child)) {
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &run.exit_status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    } else {
        run.standard_error = "cannot start the launcher: system error " + std::to_string(GetLastError());
    }
    CloseHandle(error_output);
    CloseHandle(standard_output);
    CloseHandle(input);
    run.standard_error += read_file(error_file);
    run.standard_output = read_file(output_file);
    run.commands = lines_of(read_file(log));
    return run;
}

}  // namespace windows_run
