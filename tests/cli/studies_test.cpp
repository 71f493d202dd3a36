// The studies beside the run: --convergencia and --evolucao compute with the
// run's own numbers, write only their own files and fail as a run fails.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "cli/cli.h"
#include "driver/driver.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"
#include "textio/units/unit.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The ten columns of each line of convergencia.dat; NaN for "-".
std::vector<std::vector<double>> levels_of(const std::string& dat)
{
    std::vector<std::vector<double>> levels;
    for (const std::string& line : lines_of(dat)) {
        std::istringstream fields(line);
        std::vector<double> level;
        for (std::string field; fields >> field;) {
            double value = std::nan("");
            std::from_chars(field.data(), field.data() + field.size(), value);
            level.push_back(value);
        }
        EXPECT_EQ(level.size(), 10u) << line;
        levels.push_back(level);
    }
    return levels;
}

// A stand-in interpreter beside the folder: the plotting command is logged.
fs::path stand_in() { return write_stand_in(make_scratch_folder("interpretador"), "exit 0"); }

// Level 0 is the run: the study's N, nt, dx, dt and errors at tf are those of
// simular on the same data, bit for bit (17 digits read back exactly).
TEST(Convergence, LevelZeroIsTheRunsComputationBitForBit)
{
    const fs::path folder = make_scratch_folder("nivel_zero");
    const WorkingFolder inside(folder);
    ScopedEnvironment environment;
    environment.set("COMSPEC", stand_in().string());
    write_file("dados.txt", data_file("7", "30", "0.37", "0.5", "0.3", "1.3", "0.0", "0.0"));
    textio::units_initialise();
    driver::reset_simulation_state();
    ASSERT_EQ(cli::convergencia(), 0);
    const std::vector<std::vector<double>> levels = levels_of(read_file("convergencia.dat"));
    ASSERT_EQ(levels.size(), 4u);

    driver::reset_simulation_state();
    driver::ler_dados();
    driver::state.pi = std::acos(-1.0);
    driver::simular();
    const driver::SimulationState& s = driver::state;
    double largest = 0.0;
    for (int i = 1; i <= s.N; ++i) largest = std::max(largest, std::fabs(s.Tan(i) - s.T(i)));
    const std::vector<double> run = {7, 30, s.dx, s.dt, largest, levels[0][5], std::fabs(s.Tman(30) - s.Tm(30))};
    for (std::size_t column = 0; column < run.size(); ++column) EXPECT_EQ(levels[0][column], run[column]) << column;
    EXPECT_TRUE(std::isnan(levels[0][7]) && std::isnan(levels[0][8]) && std::isnan(levels[0][9]));
    EXPECT_EQ(levels[3][0], 56);
    EXPECT_EQ(levels[3][1], 240);
    driver::reset_simulation_state();
    textio::close_all_units();
}

// A smooth case converges at second order: nt*2^k for Crank-Nicolson,
// nt*4^k for the implicit scheme, whose time error is of first order.
TEST(Convergence, ObservedOrdersApproachTwo)
{
    for (const char* theta : {"0.5", "1"}) {
        const fs::path folder = make_scratch_folder(std::string("ordens_") + theta);
        write_file(folder / "dados.txt", data_file("10", "20", "0.05", theta));
        const Outcome outcome = launch({folder, {"--convergencia"}, {{"COMSPEC", stand_in().string()}}});
        ASSERT_EQ(outcome.exit_status, 0) << outcome.standard_error;
        const std::vector<std::vector<double>> levels = levels_of(read_file(folder / "convergencia.dat"));
        ASSERT_EQ(levels.size(), 4u);
        EXPECT_EQ(levels[3][1], std::string(theta) == "1" ? 1280 : 160);
        for (std::size_t order = 7; order < 10; ++order) EXPECT_NEAR(levels[3][order], 2.0, 0.02) << theta;
        EXPECT_NE(outcome.standard_output.find("erro máximo"), std::string::npos);
    }
}

// The last block of evolucao.dat is the run's temp.dat, line for line; six
// blocks in all, at the steps round(j*nt/5).
TEST(Evolution, LastBlockIsTheRunsFinalProfile)
{
    const fs::path folder = make_scratch_folder("evolucao");
    write_file(folder / "dados.txt", data_file("9", "13", "0.3", "0.5", "0.7", "1.1", "2.5", "-1.5"));
    ASSERT_EQ(run_program(folder, stand_in(), {{"EDITOR", "true"}}).exit_status, 0);
    const Outcome outcome = launch({folder, {"--evolucao"}, {{"COMSPEC", stand_in().string()}}});
    ASSERT_EQ(outcome.exit_status, 0) << outcome.standard_error;
    const std::vector<std::string> lines = lines_of(read_file(folder / "evolucao.dat"));
    ASSERT_EQ(lines.size(), 6u * 12u + 5u * 2u);
    const std::vector<std::string> last(lines.end() - 11, lines.end());
    EXPECT_EQ(last, lines_of(read_file(folder / "temp.dat")));
    std::string steps;
    for (const std::string& line : lines)
        if (line.starts_with("# t = ")) steps += line.substr(line.find("(passo")) + "|";
    EXPECT_EQ(steps, "(passo 0 de 13)|(passo 3 de 13)|(passo 5 de 13)|(passo 8 de 13)|(passo 10 de 13)|"
                     "(passo 13 de 13)|");
    EXPECT_NE(read_file(folder / "evolucao.gnu").find("tempos = '0 0.06923 0.1154 0.1846 0.2308 0.3'"),
              std::string::npos);
}

// Neither study touches the run's files; bad input fails as the run fails,
// with its report, and leaves the folder as it was.
TEST(Studies, LeaveTheRunsFilesAndFailOnBadInputLikeARun)
{
    const std::string bad = data_file("20", "200", "0.1", "0.5x");
    for (const char* option : {"--convergencia", "--evolucao"}) {
        const fs::path folder = make_scratch_folder(std::string("intocados") + option);
        for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat", "temp.gnu"})
            write_file(folder / name, std::string("do usuário: ") + name);
        write_file(folder / "dados.txt", bad);
        const std::vector<std::string> before = folder_contents(folder);
        const std::string run_error = run_program(folder, stand_in(), {{"EDITOR", "true"}}).standard_error;
        fs::remove(folder / ".stderr");
        for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat", "temp.gnu"})
            write_file(folder / name, std::string("do usuário: ") + name);

        Outcome outcome = launch({folder, {option}, {{"COMSPEC", stand_in().string()}}});
        EXPECT_EQ(outcome.exit_status, 1) << option;
        EXPECT_EQ(outcome.standard_error, run_error) << option;
        EXPECT_EQ(folder_contents(folder), before) << option;

        write_file(folder / "dados.txt", data_file("6", "10", "0.1", "1"));
        outcome = launch({folder, {option}, {{"COMSPEC", stand_in().string()}}});
        EXPECT_EQ(outcome.exit_status, 0) << outcome.standard_error;
        for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat", "temp.gnu"})
            EXPECT_EQ(read_file(folder / name), std::string("do usuário: ") + name) << option;

        fs::remove(folder / "dados.txt");
        outcome = launch({folder, {option}, {{"COMSPEC", stand_in().string()}}});
        EXPECT_EQ(outcome.exit_status, 1);
        EXPECT_FALSE(fs::exists(folder / "dados.txt")) << "a run would create it empty";
    }
}

// The plot scripts drawn by the real plotting program ("wgnuplot" standing
// for gnuplot, no display): PNG files and no complaint of gnuplot's.
TEST(Studies, ScriptsDrawPngFiles)
{
    if (std::system("command -v gnuplot >/dev/null 2>&1") != 0) GTEST_SKIP() << "gnuplot is not installed";
    const fs::path folder = make_scratch_folder("graficos_dos_estudos");
    write_file(folder / "dados.txt", data_file("12", "40", "0.05", "0.5", "1", "1", "20", "-5"));
    for (const char* option : {"--convergencia", "--evolucao"}) {
        const Outcome outcome =
            launch({folder, {option}, {{"COMSPEC", std::nullopt}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}});
        EXPECT_EQ(outcome.exit_status, 0);
        EXPECT_EQ(outcome.standard_error, "") << option;
    }
    for (const char* name : {"convergencia.png", "evolucao.png"})
        EXPECT_EQ(read_file(folder / name).substr(1, 3), "PNG") << name;
}

}  // namespace
