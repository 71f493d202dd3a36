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
fs::path console_host();

using testing_support::folder_contents;
using testing_support::read_file;
using testing_support::write_file;

// A UTF-8 text in the byte code page `code_page` (0: the system's ANSI code
// page, that of command lines).
std::string in_code_page(const std::string& utf8, unsigned code_page);

// A fresh, empty folder for one test (a scratch folder of the test, whose
// parent holds the logs of the run).
fs::path scratch_folder(const std::string& name);

// Where the program's standard output and error go.
enum class Standard {
    files,    // two files
    pipes,    // two pipes, read as the program writes
    console,  // a console of its own (standard input too), whose screen is read
};

struct Session {
    fs::path folder;
    std::vector<std::string> environment{};  // each NAME=VALUE; NAME= removes one
    std::vector<std::string> arguments{};    // in UTF-8, handed over in the system's ANSI code page
    Standard standard = Standard::files;
    unsigned console_code_page = 0;  // 0: the console's own
    fs::path program{};              // the build's difusao1d.exe when empty
    // In a console: the program its only process (as from the desktop),
    // started without the launcher, with the prefix's environment.
    bool console_alone = false;
};

struct WindowsProgramRun {
    unsigned long exit_status = 0;
    std::string standard_error;
    std::string standard_output;
    std::vector<std::string> commands;  // whole command lines as the stand-in got them, in order
    // In a console: its screen at the end, and every row that stood on it
    // while the program ran (UTF-8, rows without their trailing blanks).
    std::vector<std::string> screen;
    std::vector<std::string> rows_seen;
};

// Runs the program in `session.folder` through the launcher, which sets the
// environment on the Windows side; the stand-in logs into a file beside the
// folder.
WindowsProgramRun run(const Session& session);

// Runs `program` (the build's difusao1d.exe when empty) without arguments in
// `folder`, its standard output and error two files.
WindowsProgramRun run_windows_program(const fs::path& folder, const std::vector<std::string>& environment,
                                      const fs::path& program = {});

// The rows of a screen or the lines of a text that hold `text`.
std::vector<std::string> rows_holding(const std::vector<std::string>& rows, const std::string& text);

}  // namespace windows_run
