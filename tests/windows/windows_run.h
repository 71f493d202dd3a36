#pragma once
// Runs the Windows build of the program as a user's session would: in a
// folder of its own, started through the test launcher, which sets the
// environment on the Windows side (COMSPEC among it), with the stand-in
// interpreter logging the commands and playing the user.

#include <filesystem>
#include <string>
#include <vector>

#include "support/files.h"

namespace windows_run {

namespace fs = std::filesystem;

// The folder of the test program: the program under test, the launcher and
// the stand-in interpreter lie beside it.
fs::path build_folder();
fs::path stand_in_interpreter();

using testing_support::read_file;
using testing_support::write_file;

// A fresh, empty folder for one test (a scratch folder of the test, whose
// parent holds the logs of the run).
fs::path scratch_folder(const std::string& name);

struct ProgramRun {
    unsigned long exit_status = 0;
    std::string standard_error;
    std::string standard_output;
    std::vector<std::string> commands;  // whole command lines as the stand-in got them, in order
};

// Runs `program` (the build's difusao1d.exe when empty) without arguments in
// `folder`, through the launcher with the variables `environment` (each
// NAME=VALUE; NAME= removes one). The stand-in logs into a file beside the
// folder.
ProgramRun run_program(const fs::path& folder, const std::vector<std::string>& environment,
                       const fs::path& program = {});

}  // namespace windows_run
