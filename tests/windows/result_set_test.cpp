// The three results are one set on Windows: a run that cannot write one of
// them (read-only, held by a spreadsheet, the folder taken by another run)
// leaves the previous ones whole and nothing beside them, and its report
// names the file.

#include <gtest/gtest.h>

#include <windows.h>

#include "windows_run.h"

namespace {

using namespace windows_run;

const std::string previous = "resultado anterior\r\n";

struct Fault {
    const char* name;
    HANDLE (*make)(const std::string& folder);  // a handle to close after the run, or none
    std::size_t commands;
    std::string report;
};

void PrintTo(const Fault& f, std::ostream* out) { *out << f.name; }

class WindowsFailedRun : public ::testing::TestWithParam<Fault> {};

TEST_P(WindowsFailedRun, LeavesThePreviousResultsWholeAndNamesTheFile)
{
    const fs::path folder = scratch_folder(std::string("conjunto_") + GetParam().name);
    write_file(folder / "dados.txt", "6\n4\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n");
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) write_file(folder / name, previous);
    const HANDLE held = GetParam().make(folder.string());
    const WindowsProgramRun run = run_windows_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
    CloseHandle(held);
    SetFileAttributesA((folder / "temp.dat").string().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(run.exit_status, 1u);
    EXPECT_EQ(run.standard_error, GetParam().report);
    EXPECT_EQ(run.commands.size(), GetParam().commands);
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) EXPECT_EQ(read_file(folder / name), previous);
    EXPECT_EQ(testing_support::folder_contents(folder),
              (std::vector<std::string>{"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WindowsFailedRun,
    ::testing::Values(
        Fault{"somente_leitura",
              [](const std::string& f) {
                  SetFileAttributesA((f + "\\temp.dat").c_str(), FILE_ATTRIBUTE_READONLY);
                  return INVALID_HANDLE_VALUE;
              },
              1, "\r\nrun-time error F6414: OPEN(temp.dat)\r\n- access to the file denied\r\n"},
        // A spreadsheet reads temp.dat and lets others only read it.
        Fault{"planilha",
              [](const std::string& f) {
                  return CreateFileA((f + "\\temp.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
              },
              1,
              "\r\nrun-time error F6414: OPEN(temp.dat)\r\n- access to the file denied (the file is in use by another "
              "process)\r\n"},
        // Another run holds the folder, as every run does while it lasts.
        Fault{"outra_execucao",
              [](const std::string& f) {
                  return CreateFileA((f + "\\.difusao1d.em-uso").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
              },
              0,
              "\r\nrun-time error F6414: OPEN(saida.txt)\r\n- the results in this folder (saida.txt, temp.dat, "
              "temp_med.dat) are in use by another run of difusao1d; run again when it has ended\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
