#include "program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

// Declared by <unistd.h> only under _GNU_SOURCE.
extern char** environ;  // NOLINT(readability-redundant-declaration)

namespace e2e {

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_file(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> lines_of(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

fs::path scratch_folder(const std::string& name)
{
    fs::path folder = fs::temp_directory_path() / ("difusao1d-e2e-" + std::to_string(::getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path write_stand_in(const fs::path& folder, const std::string& behaviour)
{
    fs::path script = folder / "interpretador.sh";
    write_file(script, "#!/bin/sh\n"
                       "# stand-in command interpreter: called as  interpretador.sh /c COMMAND\n"
                       "[ \"$1\" = /c ] || { echo \"bad interpreter arguments: $*\" >&2; exit 90; }\n"
                       "cmd=$2\n"
                       "printf '%s\\n' \"$cmd\" >> '" +
                           (folder / "comandos.log").string() + "'\n" + behaviour + "\n");
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

ProgramRun run_program(const fs::path& folder, const fs::path& interpreter,
                       const std::map<std::string, std::string>& environment, ClosedHandles closed)
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('='));
        if (name == "COMSPEC" || environment.contains(name)) continue;
        variables.push_back(variable);
    }
    if (!interpreter.empty()) variables.push_back("COMSPEC=" + interpreter.string());
    for (const auto& [name, value] : environment) variables.push_back(std::string(name).append("=").append(value));
    std::vector<char*> envp;
    envp.reserve(variables.size() + 1);
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    const fs::path error_file = folder / ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (closed.output) posix_spawn_file_actions_addclose(&actions, 1);
    if (closed.error)
        posix_spawn_file_actions_addclose(&actions, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::string program = DIFUSAO1D_PROGRAM;
    char* argv[] = {program.data(), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + program);

    int status = 0;
    ::waitpid(child, &status, 0);
    ProgramRun run;
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.standard_error = read_file(error_file);
    fs::remove(error_file);
    std::istringstream log(read_file(folder / "comandos.log"));
    for (std::string line; std::getline(log, line);) run.commands.push_back(line);
    return run;
}

}  // namespace e2e
