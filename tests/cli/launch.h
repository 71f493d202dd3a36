#pragma once
// Starts the built program the way a user or a script does: with arguments,
// in a folder, with a chosen environment, and either on a pseudo-terminal
// (standard input, output and error all the terminal) or with standard input
// an open pipe that is never written or closed and standard output and error
// captured apart. A program still running after the time limit is killed.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "e2e/program_run.h"

namespace cli {

namespace fs = std::filesystem;

// A fresh scratch folder for one test; whole files read and written.
using e2e::read_file;
using e2e::scratch_folder;
using e2e::write_file;

struct Launch {
    fs::path folder;
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

// Writes an executable shell script.
void write_script(const fs::path& path, const std::string& body);
// The names in a folder, sorted.
std::vector<std::string> folder_contents(const fs::path& folder);

// A dados.txt of the eight values, one per line.
std::string data_file(const std::string& N, const std::string& nt, const std::string& tf, const std::string& theta,
                      const std::string& alpha = "1.0", const std::string& L = "1.0", const std::string& Ta = "0.0",
                      const std::string& Tb = "0.0");

}  // namespace cli
