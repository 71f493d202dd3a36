#pragma once
// Runs the built program (POSIX systems).
//
// run_program: the way a user's session does, without arguments, with the
// command interpreter replaced by a stand-in script that records every
// command and plays the user (editor and plotting program).
//
// launch: the way a user or a script starts it with arguments, in a folder,
// with a chosen environment, and either on a pseudo-terminal (standard input,
// output and error all the terminal) or with standard input an open pipe that
// is never written or closed and standard output and error captured apart. A
// program still running after the time limit is killed.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// ---- a user's session ----

struct ProgramRun {
    int exit_status = -1;
    std::string standard_error;
    std::vector<std::string> commands;  // as the stand-in received them, in order
};

// The stand-in interpreter: a shell script run as COMSPEC with "/c" and the
// command. `behaviour` is shell code run for each command with $cmd holding
// it; the script logs the command first and exits with the status of the
// behaviour.
std::filesystem::path write_stand_in(const std::filesystem::path& folder, const std::string& behaviour);

// Standard handles the program's starter leaves closed.
struct ClosedHandles {
    bool output = false;
    bool error = false;  // then nothing of standard error is kept
};

// Runs the program in `folder` with COMSPEC = `interpreter` (unset when
// empty) and the extra environment given.
ProgramRun run_program(const std::filesystem::path& folder, const std::filesystem::path& interpreter,
                       const std::map<std::string, std::string>& environment = {}, ClosedHandles closed = {});

// ---- arguments, terminal, pipes ----

struct Launch {
    std::filesystem::path folder;
    std::vector<std::string> arguments;
    // Variables to set (a value) or to remove (nullopt); the rest is inherited.
    std::map<std::string, std::optional<std::string>> environment;
    bool terminal = false;
    int time_limit_seconds = 60;
};

struct Outcome {
    int exit_status = -1;  // 128 + the signal for a program ended by a signal
    bool timed_out = false;
    std::string standard_output;  // without a terminal
    std::string standard_error;   // without a terminal
    std::string terminal;         // everything the terminal showed
};

Outcome launch(const Launch& how);

// The built program as the words of a shell command, each quoted: the
// program, after the emulator's words in a cross build.
std::string program_shell_command();

// ---- the input file ----

// A dados.txt of the eight values, one per line.
std::string data_file(const std::string& N, const std::string& nt, const std::string& tf, const std::string& theta,
                      const std::string& alpha = "1.0", const std::string& L = "1.0", const std::string& Ta = "0.0",
                      const std::string& Tb = "0.0");
inline std::string data_file(int N, int nt, const std::string& tf = "0.1", const std::string& theta = "0.5")
{
    return data_file(std::to_string(N), std::to_string(nt), tf, theta);
}

}  // namespace testing_support
