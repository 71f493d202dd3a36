// How a whole run behaves around its output: sizes of the files, wide
// indices, the moment the viewers start, failing viewers and interpreters,
// and runs that stop before the results step.

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// A folder holding "dados.txt" and a stand-in that runs `behaviour` for
// every command (after logging it).
fs::path prepared_folder(const std::string& name, const std::string& data)
{
    fs::path folder = make_scratch_folder(name);
    write_file(folder / "dados.txt", data);
    return folder;
}

TEST(WholeRun, LineCountsFollowTheProblemSize)
{
    const fs::path folder = prepared_folder("linhas", data_file(40, 25, "0.5", "0.5"));
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    ASSERT_EQ(run.exit_status, 0) << run.standard_error;
    EXPECT_EQ(lines_of(read_file(folder / "saida.txt")).size(), 2u * 40 + 25 + 27);
    EXPECT_EQ(lines_of(read_file(folder / "temp.dat")).size(), 40u + 2);
    EXPECT_EQ(lines_of(read_file(folder / "temp_med.dat")).size(), 25u + 1);
}

TEST(WholeRun, SixDigitIndicesFillTheirFieldWithAsterisks)
{
    const int N = 100000;
    const fs::path folder = prepared_folder("indices", data_file(N, 1, "1e-6", "1.0"));
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    ASSERT_EQ(run.exit_status, 0) << run.standard_error;
    const auto lines = lines_of(read_file(folder / "saida.txt"));
    ASSERT_EQ(lines.size(), 2u * N + 1 + 27);
    // Coefficient rows start on line 15: volume i on line 14 + i.
    EXPECT_EQ(lines[14 + 99999 - 1].substr(0, 5), "99999");
    EXPECT_EQ(lines[14 + N - 1].substr(0, 5), "*****");
    EXPECT_EQ(lines[14 + N - 1].size(), 105u);
    // The solution rows have an I10 index: volume N and the boundary N + 1.
    const std::size_t first_solution_row = 14 + N + 5;  // after the heading block
    EXPECT_EQ(lines[first_solution_row + N].substr(0, 10), "    100000");
    EXPECT_EQ(lines[first_solution_row + N + 1].substr(0, 10), "    100001");
}

TEST(WholeRun, OutputIsCompleteAndClosedBeforeTheFirstViewer)
{
    const fs::path folder = prepared_folder("antes_dos_visualizadores", data_file(30, 20, "0.1", "0.5"));
    const ProgramRun run = run_program(
        folder,
        write_stand_in(folder, "case \"$cmd\" in\n"
                               "  'wgnuplot temp.gnu') mkdir -p copia && cp saida.txt temp.dat temp_med.dat copia/ ;;\n"
                               "esac\nexit 0"));
    ASSERT_EQ(run.exit_status, 0) << run.standard_error;
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) {
        const std::string seen_by_viewer = read_file(folder / "copia" / name);
        EXPECT_FALSE(seen_by_viewer.empty()) << name;
        EXPECT_TRUE(seen_by_viewer == read_file(folder / name)) << name;
    }
}

TEST(WholeRun, FailingViewersDoNotStopTheRun)
{
    const fs::path folder = prepared_folder("visualizadores_falham", data_file(4, 3, "0.1", "1.0"));
    const ProgramRun run = run_program(
        folder,
        write_stand_in(folder,
                       "case \"$cmd\" in\n  wgnuplot*) echo 'wgnuplot: not found' >&2; exit 127 ;;\nesac\nexit 0"));
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.commands.back(), "notepad saida.txt");
    EXPECT_EQ(lines_of(read_file(folder / "saida.txt")).size(), 2u * 4 + 3 + 27);
}

TEST(WholeRun, InterpreterThatCannotStartChangesNothing)
{
    const fs::path folder = prepared_folder("sem_interpretador", data_file(4, 3, "0.1", "1.0"));
    const ProgramRun run = run_program(folder, folder / "nao-existe.exe");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(lines_of(read_file(folder / "saida.txt")).size(), 2u * 4 + 3 + 27);
}

TEST(WholeRun, RunStoppedInTheTimeLoopLeavesEarlierOutputUntouched)
{
    // Explicit scheme with dt*alpha/dx^2 = 5: the field grows until it overflows.
    const fs::path folder = prepared_folder("instavel", data_file(10, 2000, "100.0", "0.0"));
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        write_file(folder / name, "resultado anterior\r\n");
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_error.substr(0, 21), "\r\nrun-time error M610") << run.standard_error;
    EXPECT_NE(run.standard_error.find("floating-point error: overflow"), std::string::npos) << run.standard_error;
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_EQ(read_file(folder / name), "resultado anterior\r\n") << name;
    EXPECT_EQ(run.commands, std::vector<std::string>{"notepad dados.txt"});
}

TEST(WholeRun, MissingInputFileIsCreatedEmptyAndEndsTheRun)
{
    const fs::path folder = make_scratch_folder("sem_dados");
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_error.substr(0, 38), "\r\nrun-time error F6501: READ(dados.txt") << run.standard_error;
    EXPECT_TRUE(fs::exists(folder / "dados.txt"));
    EXPECT_EQ(fs::file_size(folder / "dados.txt"), 0u);
    EXPECT_FALSE(fs::exists(folder / "saida.txt"));
}

TEST(WholeRun, TooLargeArraysFailAtOnce)
{
    const fs::path folder = prepared_folder("memoria", data_file(1500000000, 10, "1.0", "1.0"));
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_error.substr(0, 22), "\r\nrun-time error F6772") << run.standard_error;
    EXPECT_FALSE(fs::exists(folder / "saida.txt"));
}

}  // namespace
