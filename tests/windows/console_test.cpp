// What the Windows build adds in a console, and only there: the hints before
// the computation, the progress line of a long run (shown, then erased), the
// cause of a computation's error, and the program's texts shown as written
// whatever the console's code page. The console is a pseudo console read
// back cell by cell; the same runs with standard error a pipe or a file
// write nothing beyond the plain run's report and the same output files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows_run.h"

namespace {

using namespace windows_run;
using Rows = std::vector<std::string>;

std::string comspec() { return "COMSPEC=" + stand_in_interpreter().string(); }

struct ThreeRuns {
    fs::path console_folder;
    WindowsProgramRun console;
    WindowsProgramRun pipes;
    WindowsProgramRun files;
    std::vector<fs::path> folders;  // console, pipes, files
};

// The same input run in a console, with pipes and with files.
ThreeRuns run_three_ways(const std::string& name, const std::string& data)
{
    ThreeRuns runs;
    for (const auto& [way, standard] : {std::pair{"_console", Standard::console}, std::pair{"_pipes", Standard::pipes},
                                        std::pair{"_files", Standard::files}}) {
        const fs::path folder = scratch_folder(name + way);
        write_file(folder / "dados.txt", data);
        runs.folders.push_back(folder);
        const WindowsProgramRun run = windows_run::run({folder, {comspec()}, {}, standard});
        (standard == Standard::console ? runs.console : standard == Standard::pipes ? runs.pipes : runs.files) = run;
    }
    return runs;
}

void expect_same_outputs(const ThreeRuns& runs)
{
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        for (std::size_t way = 1; way < runs.folders.size(); ++way)
            EXPECT_TRUE(read_file(runs.folders[way] / name) == read_file(runs.folders[0] / name)) << name;
}

// A long, stable run (about three seconds under wine) with a warning: Ta
// is not 0.
const char long_run_with_a_warning[] = "100000\n4000\n0.1\n0.5\n1\n1\n5\n0\n";

TEST(WindowsConsole, LongRunHintsShowsItsProgressAndErasesIt)
{
    const ThreeRuns runs = run_three_ways("progresso", long_run_with_a_warning);
    ASSERT_EQ(runs.console.exit_status, 0u);
    const Rows progress = rows_holding(runs.console.rows_seen, "difusao1d: passo ");
    ASSERT_FALSE(progress.empty()) << "no progress line seen";
    EXPECT_EQ(progress.front().rfind("difusao1d: passo ", 0), 0u) << progress.front();
    EXPECT_NE(progress.front().find(" de 4000"), std::string::npos) << progress.front();
    // At the end only the hint is left: the progress line is erased.
    EXPECT_EQ(runs.console.screen,
              Rows{"difusao1d: aviso: Ta = 5 °C, Tb = 0 °C: a solução analítica supõe as duas extremidades a 0 °C, "
                   "então os erros do relatório medem essa suposição, não só o método numérico"});

    for (const WindowsProgramRun* plain : {&runs.pipes, &runs.files}) {
        EXPECT_EQ(plain->exit_status, 0u);
        EXPECT_EQ(plain->standard_error, "");
        EXPECT_EQ(plain->standard_output, "");
    }
    expect_same_outputs(runs);
}

TEST(WindowsConsole, ShortSoundRunShowsNothing)
{
    const ThreeRuns runs = run_three_ways("curta", "20\n200\n0.1\n0.5\n1\n1\n0\n0\n");
    EXPECT_EQ(runs.console.exit_status, 0u);
    EXPECT_EQ(runs.console.rows_seen, Rows{});
    EXPECT_EQ(runs.pipes.standard_error, "");
    expect_same_outputs(runs);
}

struct Stop {
    const char* name;
    const char* data;
    Rows hints;         // before the computation
    Rows report;        // as the console shows the plain run's report
    std::string cause;  // the console's extra line after it
};

void PrintTo(const Stop& s, std::ostream* out) { *out << s.name; }

class WindowsConsoleError : public ::testing::TestWithParam<Stop> {};

TEST_P(WindowsConsoleError, NamesItsCauseInTheConsoleOnly)
{
    const Stop& s = GetParam();
    const ThreeRuns runs = run_three_ways(std::string("parada_") + s.name, s.data);
    Rows shown = s.hints;
    shown.emplace_back("");  // the report starts with a line end
    shown.insert(shown.end(), s.report.begin(), s.report.end());
    shown.emplace_back(s.cause);
    shown.emplace_back("difusao1d: não há resultados completos nesta pasta (saida.txt, temp.dat e temp_med.dat)");
    EXPECT_EQ(runs.console.exit_status, 1u);
    EXPECT_EQ(runs.console.screen, shown);
    std::string report;
    for (const std::string& row : s.report) report += "\r\n" + row;
    report += "\r\n";
    EXPECT_EQ(runs.pipes.exit_status, 1u);
    EXPECT_EQ(runs.pipes.standard_error, report);
    EXPECT_EQ(runs.files.standard_error, report);
}

const std::string unstable =
    "parte explícita instável: theta = 0 < 0.5 e alpha·dt/dx² = 62.5 passa do limite 1/(2(1 − 2·theta)) = 0.5; as "
    "temperaturas oscilam e crescem a cada passo. Use nt ≥ 500000 ou theta ≥ 0.5 (estável para qualquer dt)";

const Rows divide_by_zero = {"run-time error M6103: MATH", "- floating-point error: divide by zero"};

INSTANTIATE_TEST_SUITE_P(
    Causes, WindowsConsoleError,
    ::testing::Values(
        Stop{"N",
             "0\n10\n0.1\n0.5\n1\n1\n0\n0\n",
             {"difusao1d: aviso: N = 0: são precisos ao menos 2 volumes"},
             divide_by_zero,
             "difusao1d: causa provável: N (linha 1 de dados.txt) = 0: dx = L/N divide por zero; use N ≥ 2"},
        Stop{"alpha",
             "10\n10\n0.1\n0.5\n0\n1\n0\n0\n",
             {"difusao1d: aviso: alpha = 0 não é positivo: a difusividade é > 0"},
             divide_by_zero,
             "difusao1d: causa provável: alpha (linha 5 de dados.txt) = 0: dx/alpha divide por zero; use alpha > 0"},
        Stop{"sem_dados",
             "",
             {},
             {"run-time error F6501: READ(dados.txt)",
              "- end of dados.txt on line 1 without the value of N; dados.txt holds 8 values, one per line: N, nt, tf, "
              "theta, alpha, L, Ta, Tb"},
             "difusao1d: causa provável: dados.txt está vazio ou não existia nesta pasta; difusao1d --exemplo grava "
             "um dados.txt comentado (ou desempacote o ZIP inteiro nesta pasta)"},
        Stop{"overflow",
             "50\n4000\n100\n0\n1\n1\n0\n0\n",
             {"difusao1d: aviso: " + unstable},
             {"run-time error M6104: MATH", "- floating-point error: overflow"},
             "difusao1d: causa provável: " + unstable}),
    [](const auto& info) { return std::string(info.param.name); });

// The texts reach the console as characters: "−" (minus sign) is in none of
// the byte code pages, é, ² and · differ between them.
class WindowsConsoleCodePage : public ::testing::TestWithParam<unsigned> {};

TEST_P(WindowsConsoleCodePage, ShowsTheTextsAsWritten)
{
    const fs::path folder = scratch_folder("pagina_" + std::to_string(GetParam()));
    write_file(folder / "dados.txt", "10\n100\n1\n0\n1\n1\n0\n0\n");
    const WindowsProgramRun check = run({folder, {comspec()}, {"--verificar"}, Standard::console, GetParam()});
    EXPECT_EQ(check.exit_status, 0u);
    for (const char* text :
         {"  alpha  = 1 m²/s", "Valores de dados.txt, lidos como uma execução os leria:",
          "  - parte explícita instável: theta = 0 < 0.5 e alpha·dt/dx² = 1 passa do limite 1/(2(1 − 2·theta)) = 0.5;",
          "A execução calcularia."})
        EXPECT_EQ(rows_holding(check.screen, text).size(), 1u) << text;

    const WindowsProgramRun refused = run({folder, {comspec()}, {"--versão"}, Standard::console, GetParam()});
    EXPECT_EQ(refused.exit_status, 2u);
    EXPECT_EQ(refused.screen, Rows{"difusao1d: opção desconhecida: '--versão'; veja difusao1d --help"});
}

INSTANTIATE_TEST_SUITE_P(CodePages, WindowsConsoleCodePage, ::testing::Values(437u, 850u, 1252u, 65001u));

// A console window that closes with the program (from the desktop) stays
// until Enter once written to; from a command prompt it never waits.
TEST(WindowsConsoleWindow, WaitsForEnterOnlyWhenAloneInItsConsole)
{
    for (const auto& [through, waits] : {std::pair{"", true}, std::pair{"cmd.exe /c ", false}}) {
        const fs::path program = through + (build_folder() / "difusao1d.exe").string();  // a command line
        const WindowsProgramRun help =
            run({scratch_folder(waits ? "janela" : "janela_cmd"), {}, {"/?"}, Standard::console, 0, program, true});
        EXPECT_EQ(help.exit_status, 0u);
        EXPECT_EQ(rows_holding(help.screen, "mostra esta ajuda").size(), 1u);
        EXPECT_EQ(rows_holding(help.rows_seen, "Pressione Enter para fechar esta janela.").size(), waits ? 1u : 0u)
            << through;
    }
}

}  // namespace
