// The three results are one set on Windows: a run that cannot write one of
// them (read-only, held by a spreadsheet, the folder taken by another run)
// leaves the previous saida.txt, temp.dat and temp_med.dat whole and nothing
// beside them, and its report names the file; what a run cut short left is
// cleared by the next.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "windows_run.h"

namespace {

using namespace windows_run;

const char dados[] = "6\n4\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n";
const char* const result_names[] = {"saida.txt", "temp.dat", "temp_med.dat"};
const std::string previous = "resultado anterior\r\n";

struct Fault {
    const char* name;
    // Makes the fault; returns a handle to close after the run, or none.
    std::function<HANDLE(const fs::path&)> make;
    std::size_t commands;
    std::string report;
};

void PrintTo(const Fault& f, std::ostream* out) { *out << f.name; }

class WindowsFailedRun : public ::testing::TestWithParam<Fault> {};

TEST_P(WindowsFailedRun, LeavesThePreviousResultsWholeAndNamesTheFile)
{
    const fs::path folder = scratch_folder(std::string("conjunto_") + GetParam().name);
    write_file(folder / "dados.txt", dados);
    for (const char* name : result_names) write_file(folder / name, previous);
    const HANDLE held = GetParam().make(folder);
    const ProgramRun run = run_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA((folder / "temp.dat").string().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(run.exit_status, 1u);
    EXPECT_EQ(run.standard_error, GetParam().report);
    EXPECT_EQ(run.commands.size(), GetParam().commands);
    for (const char* name : result_names) EXPECT_EQ(read_file(folder / name), previous) << name;
    EXPECT_EQ(testing_support::folder_contents(folder), (std::vector<std::string>{"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"}));
}

HANDLE open_in(const fs::path& file, DWORD access, DWORD share, DWORD creation, DWORD flags)
{
    return CreateFileA(file.string().c_str(), access, share, nullptr, creation, flags, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WindowsFailedRun,
    ::testing::Values(
        Fault{"somente_leitura",
              [](const fs::path& f) {
                  SetFileAttributesA((f / "temp.dat").string().c_str(), FILE_ATTRIBUTE_READONLY);
                  return INVALID_HANDLE_VALUE;
              },
              1, "\r\nrun-time error F6414: OPEN(temp.dat)\r\n- access to the file denied\r\n"},
        // A spreadsheet reads temp.dat and lets others only read it.
        Fault{"planilha",
              [](const fs::path& f) {
                  return open_in(f / "temp.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
              },
              1,
              "\r\nrun-time error F6414: OPEN(temp.dat)\r\n"
              "- access to the file denied (the file is in use by another process)\r\n"},
        // Another run holds the folder, as every run does while it lasts.
        Fault{"outra_execucao",
              [](const fs::path& f) {
                  return open_in(f / ".difusao1d.em-uso", GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE);
              },
              0,
              "\r\nrun-time error F6414: OPEN(saida.txt)\r\n- the results in this folder (saida.txt, temp.dat, "
              "temp_med.dat) are in use by another run of difusao1d; run again when it has ended\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
