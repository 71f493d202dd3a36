// What a run adds on an interactive terminal only: the hints before the
// computation, the progress line of a long run, the cause of a computation's
// error and the results the folder holds after it. With standard error a pipe the run is the plain one: nothing more on
// standard error, and the output files are the same bytes.

#include <gtest/gtest.h>

#include "support/emulation.h"
#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The viewers replaced by an interpreter that does nothing.
const std::map<std::string, std::optional<std::string>> quiet_viewers = {
    {"COMSPEC", "/bin/true"}, {"VISUAL", std::nullopt}, {"EDITOR", std::nullopt}};

struct Runs {
    fs::path on_terminal;
    fs::path on_pipes;
    Outcome terminal;
    Outcome pipes;
};

// The same input run on a terminal and with pipes, each in its own folder.
Runs run_both_ways(const std::string& name, const std::string& data)
{
    Runs runs;
    runs.on_terminal = make_scratch_folder(name + "_terminal");
    runs.on_pipes = make_scratch_folder(name + "_pipes");
    write_file(runs.on_terminal / "dados.txt", data);
    write_file(runs.on_pipes / "dados.txt", data);
    runs.terminal = launch({runs.on_terminal, {}, quiet_viewers, true, 120});
    runs.pipes = launch({runs.on_pipes, {}, quiet_viewers, false, 120});
    return runs;
}

void expect_same_outputs(const Runs& runs)
{
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_TRUE(read_file(runs.on_terminal / name) == read_file(runs.on_pipes / name)) << name;
}

TEST(Terminal, LongRunShowsItsProgressAndErasesIt)
{
    const Runs runs = run_both_ways("progresso", data_file("100000", "2000", "0.1", "0.5"));
    ASSERT_EQ(runs.terminal.exit_status, 0) << runs.terminal.terminal;
    const std::string& shown = runs.terminal.terminal;
    EXPECT_NE(shown.find("\rdifusao1d: passo "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" de 2000"), std::string::npos) << shown;
    // The line ends erased: a carriage return, blanks, a carriage return.
    const std::size_t last = shown.find_last_not_of(' ', shown.size() - 2);
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(shown.back(), '\r');
    EXPECT_EQ(shown[last], '\r');
    EXPECT_GT(shown.size() - 2 - last, 10u) << "the blanks cover the line";

    EXPECT_EQ(runs.pipes.exit_status, 0);
    EXPECT_EQ(runs.pipes.standard_error, "");
    EXPECT_EQ(runs.pipes.standard_output, "");
    expect_same_outputs(runs);
}

TEST(Terminal, ShortRunShowsNothing)
{
    const Runs runs = run_both_ways("curta", data_file("20", "200", "0.1", "0.5"));
    EXPECT_EQ(runs.terminal.exit_status, 0);
    EXPECT_EQ(runs.terminal.terminal, "");
    EXPECT_EQ(runs.pipes.standard_error, "");
}

TEST(Terminal, EveryWarningOfTheChecksIsShownAndTheRunGoesOn)
{
    const Runs runs = run_both_ways("avisos", "10\n100\n1\n0\n1 L\n1 alpha\n5\n0\n");
    EXPECT_EQ(runs.terminal.exit_status, 0) << runs.terminal.terminal;
    for (const char* warning : {"aviso: linha 5: a descrição fala de L, mas o valor lido nessa linha é alpha",
                                "aviso: parte explícita instável", "aviso: Ta = 5 °C, Tb = 0 °C"})
        EXPECT_NE(runs.terminal.terminal.find(warning), std::string::npos) << warning << "\n" << runs.terminal.terminal;

    EXPECT_EQ(runs.pipes.exit_status, 0);
    EXPECT_EQ(runs.pipes.standard_error, "");
    expect_same_outputs(runs);
}

// A dead end and the way out shown on a terminal; with pipes the run is the
// plain one, with the same exit status and nothing more on standard error.
struct DeadEnd {
    const char* name;
    std::string data;                                               // no dados.txt when empty
    std::map<std::string, std::optional<std::string>> environment;  // PATH "bin" is the folder's stand-ins
    const char* stand_in;                                           // a program of that name in bin, exit 1
    int exit_status;
    const char* hint;
};

void PrintTo(const DeadEnd& d, std::ostream* out) { *out << d.name; }

class DeadEndHint : public ::testing::TestWithParam<DeadEnd> {};

TEST_P(DeadEndHint, PointsToTheWayOutOnATerminalOnly)
{
    const DeadEnd d = GetParam();
    if (std::string_view(d.name) == "interpreter_not_a_program")
        DIFUSAO_SKIP_UNDER_QEMU("qemu-user starts a child through its own emulated exec: an interpreter that cannot "
                                "be started ends the child with status 127 instead of failing the start");
    Outcome outcomes[2];
    for (const bool terminal : {true, false}) {
        const fs::path folder = make_scratch_folder(std::string("saida_") + d.name);
        fs::create_directory(folder / "bin");
        if (*d.stand_in) write_script(folder / "bin" / d.stand_in, "exit 1");
        if (!d.data.empty()) write_file(folder / "dados.txt", d.data);
        auto environment = d.environment;
        if (environment.contains("PATH")) environment["PATH"] = (folder / "bin").string();
        outcomes[terminal ? 0 : 1] = launch({folder, {}, environment, terminal, 120});
    }
    EXPECT_EQ(outcomes[0].exit_status, d.exit_status) << outcomes[0].terminal;
    EXPECT_NE(outcomes[0].terminal.find(std::string("difusao1d: ") + d.hint), std::string::npos)
        << outcomes[0].terminal;
    EXPECT_EQ(outcomes[1].exit_status, d.exit_status);
    EXPECT_EQ(outcomes[1].standard_error.find("difusao1d: "), std::string::npos) << outcomes[1].standard_error;
}

const std::string sound_data = data_file("20", "200", "0.1", "0.5");

INSTANTIATE_TEST_SUITE_P(
    Hints, DeadEndHint,
    ::testing::Values(
        DeadEnd{"no_input", "", quiet_viewers, "", 1,
                "causa provável: dados.txt está vazio ou não existia nesta pasta; difusao1d --exemplo"},
        DeadEnd{"no_plotting_program",
                sound_data,
                {{"COMSPEC", std::nullopt}, {"VISUAL", "/bin/true"}, {"PATH", "bin"}},
                "",
                0,
                "o programa de gráficos gnuplot não foi encontrado"},
        DeadEnd{"no_plot_script",
                sound_data,
                {{"COMSPEC", std::nullopt}, {"VISUAL", "/bin/true"}, {"PATH", "bin"}},
                "gnuplot",
                0,
                "o script de gráfico temp.gnu não existe nesta pasta; difusao1d --exemplo"},
        DeadEnd{"interpreter_not_a_program",
                sound_data,
                {{"COMSPEC", "/nenhum/programa"}},
                "",
                0,
                "não foi possível executar \"notepad dados.txt\": COMSPEC = '/nenhum/programa' não nomeia um programa"},
        DeadEnd{"fallback_editor",
                sound_data,
                {{"COMSPEC", std::nullopt}, {"VISUAL", std::nullopt}, {"EDITOR", std::nullopt}, {"PATH", "bin"}},
                "nano",
                0,
                "editor: nano, pois VISUAL e EDITOR não estão definidos; Ctrl-X sai"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Stop {
    const char* name;
    std::string data;
    const char* report;  // exactly as the plain run writes it
    const char* cause;   // the terminal's extra line
};

void PrintTo(const Stop& s, std::ostream* out) { *out << s.name; }

class ComputationError : public ::testing::TestWithParam<Stop> {};

TEST_P(ComputationError, NamesItsCauseOnATerminalOnly)
{
    const Stop s = GetParam();
    const Runs runs = run_both_ways(std::string("parada_") + s.name, s.data);
    EXPECT_EQ(runs.pipes.exit_status, 1);
    EXPECT_EQ(runs.pipes.standard_error, s.report);
    EXPECT_EQ(runs.terminal.exit_status, 1);
    EXPECT_NE(runs.terminal.terminal.find("difusao1d: causa provável: " + std::string(s.cause)), std::string::npos)
        << runs.terminal.terminal;
    // and what the folder holds: no results of an earlier run here
    EXPECT_NE(runs.terminal.terminal.find("difusao1d: não há resultados completos nesta pasta"), std::string::npos);
}

const char* const overflow = "\r\nrun-time error M6104: MATH\r\n- floating-point error: overflow\r\n";
const char* const divide_by_zero = "\r\nrun-time error M6103: MATH\r\n- floating-point error: divide by zero\r\n";

INSTANTIATE_TEST_SUITE_P(
    Causes, ComputationError,
    ::testing::Values(
        Stop{"N", data_file("0", "10", "0.1", "0.5"), divide_by_zero, "N (linha 1 de dados.txt) = 0"},
        Stop{"nt", data_file("10", "0", "0.1", "0.5"), divide_by_zero, "nt (linha 2 de dados.txt) = 0"},
        Stop{"L", data_file("10", "10", "0.1", "0.5", "1", "0"), divide_by_zero, "L (linha 6 de dados.txt) = 0"},
        Stop{"alpha", data_file("10", "10", "0.1", "0.5", "0"), divide_by_zero, "alpha (linha 5 de dados.txt) = 0"},
        Stop{"overflow", data_file("50", "4000", "100", "0"), overflow,
             "parte explícita instável: theta = 0 < 0.5 e alpha·dt/dx² = 62.5"},
        // The first fault of a step: an overflow, then an invalid (-inf)*0.
        Stop{"dois_erros", data_file("4", "1", "1e308", "0", "1", "4"), overflow, "parte explícita instável"},
        // The exponential's own error; and an overflow in its argument first.
        Stop{"exp", data_file("10", "10", "1e3", "1", "-1"),
             "\r\nrun-time error M6203: MATH\r\n- exp: OVERFLOW error\r\n", "alpha·tf negativo"},
        Stop{"antes_do_exp", data_file("10", "10", "1e10", "1", "-1e300"), overflow, "alpha·tf negativo"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
