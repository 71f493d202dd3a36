// What a run adds on an interactive terminal only: the hints before the
// computation, the progress line of a long run, the cause of a computation's
// error. With standard error a pipe the run is the plain one: nothing more on
// standard error, and the output files are the same bytes.

#include <gtest/gtest.h>

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

TEST(Terminal, DecimalCommaAndInstabilityAreHintedAndTheRunGoesOn)
{
    const Runs runs = run_both_ways("avisos", "10\n100\n1\n0,25  theta\n1\n1\n0\n0\n");
    EXPECT_EQ(runs.terminal.exit_status, 0) << runs.terminal.terminal;
    EXPECT_NE(runs.terminal.terminal.find("aviso: linha 4 (theta): '0,25' é lido como 0"), std::string::npos)
        << runs.terminal.terminal;
    EXPECT_NE(runs.terminal.terminal.find("aviso: parte explícita instável"), std::string::npos)
        << runs.terminal.terminal;

    EXPECT_EQ(runs.pipes.exit_status, 0);
    EXPECT_EQ(runs.pipes.standard_error, "");
    expect_same_outputs(runs);
}

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
