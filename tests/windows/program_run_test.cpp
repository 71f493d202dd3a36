// The whole program on Windows: the four commands through the interpreter,
// the output complete before the first viewer, failing viewers and a
// missing interpreter, an output file held by another process or taken by
// a folder.

#include <gtest/gtest.h>

#include <windows.h>

#include "support/test_names.h"
#include "windows_run.h"

namespace {

using namespace windows_run;

const char dados[] = "6\n4\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n";

std::vector<std::string> four_commands(const std::string& interpreter)
{
    return {interpreter + " /c notepad dados.txt", interpreter + " /c wgnuplot temp.gnu",
            interpreter + " /c wgnuplot temp_med.gnu", interpreter + " /c notepad saida.txt"};
}

// The user types the data into the editor the program opens.
fs::path typed_data(const fs::path& folder)
{
    fs::path typed = folder.parent_path() / "typed.txt";
    write_file(typed, dados);
    return typed;
}

TEST(WindowsCommands, RunThroughComspecInOrder)
{
    const fs::path folder = scratch_folder("comspec");
    const std::string interpreter = stand_in_interpreter().string();
    const WindowsProgramRun run =
        run_windows_program(folder, {"COMSPEC=" + interpreter, "STAND_IN_DADOS=" + typed_data(folder).string()});
    EXPECT_EQ(run.exit_status, 0u) << run.standard_error;
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.commands, four_commands(interpreter));
    EXPECT_EQ(read_file(folder / "dados.txt"), dados);
}

TEST(WindowsCommands, WithoutComspecCmdExeIsFoundByTheSystemsSearch)
{
    const fs::path folder = scratch_folder("sem_comspec");
    fs::copy_file(stand_in_interpreter(), folder / "cmd.exe");
    const WindowsProgramRun run =
        run_windows_program(folder, {"COMSPEC=", "STAND_IN_DADOS=" + typed_data(folder).string()});
    EXPECT_EQ(run.exit_status, 0u) << run.standard_error;
    EXPECT_EQ(run.commands, four_commands("cmd.exe"));
}

TEST(WindowsCommands, OutputIsCompleteAndClosedBeforeTheFirstViewer)
{
    const fs::path folder = scratch_folder("antes_dos_visualizadores");
    write_file(folder / "dados.txt", dados);
    const WindowsProgramRun run =
        run_windows_program(folder, {"COMSPEC=" + stand_in_interpreter().string(), "STAND_IN_CHECK=1"});
    ASSERT_EQ(run.exit_status, 0u) << run.standard_error;
    ASSERT_EQ(run.commands.size(), 4u);  // no "held open" line
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) {
        const std::string seen = read_file(folder / "seen_by_viewer" / name);
        EXPECT_FALSE(seen.empty()) << name;
        EXPECT_TRUE(seen == read_file(folder / name)) << name;
    }
}

// The same data under different fates of the commands: the files written
// and the exit status never change.
struct CommandFate {
    const char* name;
    std::vector<std::string> environment;
    std::size_t commands_logged;
};

class WindowsCommandFate : public ::testing::TestWithParam<CommandFate> {};

TEST_P(WindowsCommandFate, ChangesNothingOfTheRun)
{
    const fs::path reference = scratch_folder(std::string("referencia_") + GetParam().name);
    write_file(reference / "dados.txt", dados);
    ASSERT_EQ(run_windows_program(reference, {"COMSPEC=" + stand_in_interpreter().string()}).exit_status, 0u);

    const fs::path folder = scratch_folder(GetParam().name);
    write_file(folder / "dados.txt", dados);
    std::vector<std::string> environment = GetParam().environment;
    for (std::string& setting : environment)
        if (setting == "COMSPEC=stand-in") setting = "COMSPEC=" + stand_in_interpreter().string();
    const WindowsProgramRun run = run_windows_program(folder, environment);
    EXPECT_EQ(run.exit_status, 0u);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.commands.size(), GetParam().commands_logged);
    for (const char* name : {"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_TRUE(read_file(folder / name) == read_file(reference / name)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Fates, WindowsCommandFate,
    ::testing::Values(CommandFate{"visualizadores_falham", {"COMSPEC=stand-in", "STAND_IN_EXIT=3"}, 4},
                      CommandFate{"interpretador_ausente", {"COMSPEC=C:\\nao\\existe\\cmd.exe"}, 0},
                      CommandFate{"interpretador_nao_executavel", {"COMSPEC=dados.txt"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsOutputFiles, AFileHeldByAnotherProcessWithoutSharingEndsTheRunAtItsOpen)
{
    const fs::path folder = scratch_folder("temp_dat_em_uso");
    write_file(folder / "dados.txt", dados);
    write_file(folder / "temp.dat", "dados de outra planilha\r\n");
    // A spreadsheet holds temp.dat open and shares it with nobody.
    const HANDLE held = CreateFileA((folder / "temp.dat").string().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const WindowsProgramRun run = run_windows_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
    CloseHandle(held);
    EXPECT_EQ(run.exit_status, 1u);
    EXPECT_EQ(run.standard_error, "\r\nrun-time error F6414: OPEN(temp.dat)\r\n"
                                  "- access to the file denied (the file is in use by another process)\r\n");
    EXPECT_EQ(run.commands.size(), 1u);  // the editor only: no viewer of a half-written result
    EXPECT_EQ(read_file(folder / "temp.dat"), "dados de outra planilha\r\n");
}

class WindowsFolderInPlaceOf : public ::testing::TestWithParam<const char*> {};

TEST_P(WindowsFolderInPlaceOf, AnOutputFileEndsTheRunAtItsOpen)
{
    const std::string blocked = GetParam();
    const fs::path folder = scratch_folder("pasta_" + blocked);
    write_file(folder / "dados.txt", dados);
    fs::create_directory(folder / blocked);
    const WindowsProgramRun run = run_windows_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
    EXPECT_EQ(run.exit_status, 1u);
    EXPECT_EQ(run.standard_error, "\r\nrun-time error F6414: OPEN(" + blocked +
                                      ")\r\n- access to the file denied (the name is a folder)\r\n");
    EXPECT_EQ(run.commands.size(), 1u);
    EXPECT_TRUE(fs::is_directory(folder / blocked));
}

INSTANTIATE_TEST_SUITE_P(EachOutput, WindowsFolderInPlaceOf, ::testing::Values("saida.txt", "temp.dat", "temp_med.dat"),
                         [](const auto& info) { return testing_support::name_of_file_case(info.param); });

}  // namespace
