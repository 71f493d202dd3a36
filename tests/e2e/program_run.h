#pragma once
// Runs the built program in a scratch folder, the way a user's session would:
// no arguments, the command interpreter replaced by a stand-in script that
// records every command and plays the user (editor and plotting program).

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path);
void write_file(const fs::path& path, const std::string& bytes);
std::vector<std::string> lines_of(const std::string& bytes);  // split at CR LF

struct ProgramRun {
    int exit_status = -1;
    std::string standard_error;
    std::vector<std::string> commands;  // as the stand-in received them, in order
};

// A fresh scratch folder for one test.
fs::path scratch_folder(const std::string& name);

// The stand-in interpreter: a shell script run as COMSPEC with "/c" and the
// command. `behaviour` is shell code run for each command with $cmd holding
// it; the script logs the command first and exits with the status of the
// behaviour.
fs::path write_stand_in(const fs::path& folder, const std::string& behaviour);

// Standard handles the program's starter leaves closed.
struct ClosedHandles {
    bool output = false;
    bool error = false;  // then nothing of standard error is kept
};

// Runs the program in `folder` with COMSPEC = `interpreter` (unset when
// empty) and the extra environment given.
ProgramRun run_program(const fs::path& folder, const fs::path& interpreter,
                       const std::map<std::string, std::string>& environment = {}, ClosedHandles closed = {});

}  // namespace e2e
