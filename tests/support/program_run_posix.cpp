#include "support/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "support/files.h"

// Declared by <unistd.h> only under _GNU_SOURCE.
extern char** environ;  // NOLINT(readability-redundant-declaration)

namespace testing_support {

namespace fs = std::filesystem;

namespace {

// The words that start the built program: the program itself, after the
// emulator's words (separated by '|') in a cross build run under an emulator.
std::vector<std::string> program_command()
{
    std::vector<std::string> words;
#ifdef DIFUSAO1D_EMULATOR
    const std::string emulator = DIFUSAO1D_EMULATOR;
    for (std::size_t start = 0; start <= emulator.size();) {
        const std::size_t end = std::min(emulator.find('|', start), emulator.size());
        words.push_back(emulator.substr(start, end - start));
        start = end + 1;
    }
#endif
    words.push_back(DIFUSAO1D_PROGRAM);
    return words;
}

}  // namespace

std::string program_shell_command()
{
    std::string command;
    for (const std::string& word : program_command()) command += (command.empty() ? "'" : " '") + word + "'";
    return command;
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
    std::vector<std::string> command = program_command();
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + command.front());

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

namespace {

[[noreturn]] void become_program(const Launch& how)
{
    if (::chdir(how.folder.c_str()) != 0) ::_exit(126);
    for (const auto& [name, value] : how.environment) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
    std::vector<std::string> command = program_command();
    command.insert(command.end(), how.arguments.begin(), how.arguments.end());
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

int status_of(int wait_status)
{
    if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
    if (WIFSIGNALED(wait_status)) return 128 + WTERMSIG(wait_status);
    return -1;
}

// Reads the given descriptors until each reports its end, or until the time
// limit; then waits for the child (killed after the limit).
void collect(pid_t child, std::vector<std::pair<int, std::string*>> sources, int limit_seconds, Outcome& outcome)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit_seconds);
    while (!sources.empty()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            outcome.timed_out = true;
            ::kill(child, SIGKILL);
            break;
        }
        std::vector<pollfd> polled;
        polled.reserve(sources.size());
        for (const auto& source : sources) polled.push_back({source.first, POLLIN, 0});
        const int ready =
            ::poll(polled.data(), polled.size(), static_cast<int>(std::min<long long>(left.count(), 200)));
        if (ready < 0 && errno != EINTR) break;
        for (std::size_t i = polled.size(); i-- > 0;) {
            if (polled[i].revents == 0) continue;
            char bytes[4096];
            const ssize_t got = ::read(polled[i].fd, bytes, sizeof bytes);
            if (got > 0) {
                sources[i].second->append(bytes, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {  // end, or EIO: the terminal's last user has gone
                ::close(polled[i].fd);
                sources.erase(sources.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    for (const auto& source : sources) ::close(source.first);
    int wait_status = 0;
    ::waitpid(child, &wait_status, 0);
    outcome.exit_status = status_of(wait_status);
}

}  // namespace

Outcome launch(const Launch& how)
{
    Outcome outcome;
    if (how.terminal) {
        int terminal = -1;
        struct winsize size = {24, 120, 0, 0};
        const pid_t child = ::forkpty(&terminal, nullptr, nullptr, &size);
        if (child == 0) become_program(how);
        collect(child, {{terminal, &outcome.terminal}}, how.time_limit_seconds, outcome);
        return outcome;
    }
    int input[2], output[2], error[2];
    if (::pipe(input) != 0 || ::pipe(output) != 0 || ::pipe(error) != 0) return outcome;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(input[0], 0);
        ::dup2(output[1], 1);
        ::dup2(error[1], 2);
        for (int fd : {input[0], input[1], output[0], output[1], error[0], error[1]}) ::close(fd);
        become_program(how);
    }
    ::close(input[0]);
    ::close(output[1]);
    ::close(error[1]);
    // The write end of standard input stays open until the program has ended.
    collect(child, {{output[0], &outcome.standard_output}, {error[0], &outcome.standard_error}}, how.time_limit_seconds,
            outcome);
    ::close(input[1]);
    return outcome;
}

std::string data_file(const std::string& N, const std::string& nt, const std::string& tf, const std::string& theta,
                      const std::string& alpha, const std::string& L, const std::string& Ta, const std::string& Tb)
{
    return N + "\n" + nt + "\n" + tf + "\n" + theta + "\n" + alpha + "\n" + L + "\n" + Ta + "\n" + Tb + "\n";
}

}  // namespace testing_support
