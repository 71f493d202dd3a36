// The command-line options of the Windows build, their standard output and
// error written to files: exit statuses with no file touched, the help on
// the Windows programs, --exemplo and what it writes, --verificar. Texts go
// to a file as UTF-8 with CR LF line ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "windows_run.h"

namespace {

using namespace windows_run;

std::string data_file(const std::string& N, const std::string& nt, const std::string& tf, const std::string& theta,
                      const std::string& alpha = "1.0", const std::string& L = "1.0")
{
    return N + "\n" + nt + "\n" + tf + "\n" + theta + "\n" + alpha + "\n" + L + "\n0.0\n0.0\n";
}

// Every line end is CR LF.
bool lines_end_in_cr_lf(const std::string& text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        if (at == 0 || text[at - 1] != '\r') return false;
    return true;
}

// UTF-8 text as Notepad saves it in the Windows-1252 code page with CR LF.
std::string as_saved_by_notepad_in_ansi(const std::string& text)
{
    std::string saved;
    for (const char c : in_code_page(text, 1252)) saved += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return saved;
}

std::string comspec() { return "COMSPEC=" + stand_in_interpreter().string(); }

struct OptionCase {
    const char* name;
    std::vector<std::string> arguments;
    unsigned long exit_status;
    const char* in_output;  // "" for an empty standard output
    const char* in_error;   // "" for an empty standard error
};

void PrintTo(const OptionCase& c, std::ostream* out) { *out << c.name; }

class WindowsOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(WindowsOption, AnswersWithoutRunningNorTouchingAFile)
{
    const OptionCase& c = GetParam();
    for (const bool with_input : {false, true}) {
        const fs::path folder = scratch_folder(std::string("opcao_") + c.name + (with_input ? "_com_dados" : ""));
        const std::string data = data_file("10", "10", "0.1", "0.5");
        if (with_input) write_file(folder / "dados.txt", data);
        // A run started by mistake would log the editor's command.
        const WindowsProgramRun run = windows_run::run({folder, {comspec()}, c.arguments});
        EXPECT_EQ(run.exit_status, c.exit_status) << run.standard_error;
        EXPECT_TRUE(run.commands.empty());
        if (*c.in_output) {
            EXPECT_NE(run.standard_output.find(c.in_output), std::string::npos) << run.standard_output;
            EXPECT_TRUE(lines_end_in_cr_lf(run.standard_output));
        } else {
            EXPECT_EQ(run.standard_output, "");
        }
        if (*c.in_error) {
            EXPECT_NE(run.standard_error.find(c.in_error), std::string::npos) << run.standard_error;
            EXPECT_EQ(run.standard_error.find("\r\n"), run.standard_error.size() - 2) << "one line";
        } else {
            EXPECT_EQ(run.standard_error, "");
        }
        EXPECT_EQ(folder_contents(folder),
                  with_input ? std::vector<std::string>{"dados.txt"} : std::vector<std::string>{});
        if (with_input) {
            EXPECT_EQ(read_file(folder / "dados.txt"), data);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, WindowsOption,
    ::testing::Values(OptionCase{"help", {"--help"}, 0, "Uso: difusao1d", ""},
                      OptionCase{"h", {"-h"}, 0, "dados.txt", ""},
                      OptionCase{"version", {"--version"}, 0, "difusao1d " DIFUSAO_VERSAO "\r\n", ""},
                      OptionCase{"unknown", {"--ajuda"}, 2, "", "'--ajuda'"},
                      // Typed in the console's code page, echoed as typed.
                      OptionCase{"accented", {"--versão"}, 2, "", "opção desconhecida: '--versão'; veja"},
                      OptionCase{"word", {"dados.txt"}, 2, "", "'dados.txt'"}, OptionCase{"empty", {""}, 2, "", "''"},
                      OptionCase{"two", {"--help", "--version"}, 2, "", "argumento a mais: '--version'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsHelp, TellsHowNotepadAndWgnuplotAreStartedHere)
{
    const WindowsProgramRun run = windows_run::run({scratch_folder("ajuda"), {comspec()}, {"--help"}});
    const std::string& help = run.standard_output;
    for (const char* text :
         {"       alpha  difusividade térmica [m²/s]\r\n", "0 ≤ x ≤ L", "[°C]", "notepad (Bloco de Notas)", "wgnuplot",
          "PATH", "COMSPEC", "cmd.exe,\r\ncomo \"cmd.exe /c notepad dados.txt\"", "saem em\r\nUTF-8", "--exemplo",
          "--verificar"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
    // The editor choice of the systems where the commands go to a shell.
    for (const char* text : {"VISUAL", "EDITOR", "nano", "sensible-editor"})
        EXPECT_EQ(help.find(text), std::string::npos) << text;
}

// --exemplo writes the shipped files; the case it writes reads and runs
// there as the shipped example does; a second --exemplo writes nothing.
TEST(WindowsExample, WritesTheShippedCaseWhichRunsThereAsShipped)
{
    const fs::path folder = scratch_folder("exemplo");
    const std::vector<std::string> written = {"convergencia.gnu", "dados.txt", "temp.gnu", "temp_med.gnu",
                                              "terminal.gnu"};
    const WindowsProgramRun example = windows_run::run({folder, {comspec()}, {"--exemplo"}});
    ASSERT_EQ(example.exit_status, 0u) << example.standard_error;
    EXPECT_EQ(example.standard_error, "");
    EXPECT_NE(
        example.standard_output.find("Gravados: dados.txt, temp.gnu, temp_med.gnu, terminal.gnu, convergencia.gnu."),
        std::string::npos)
        << example.standard_output;
    ASSERT_EQ(folder_contents(folder), written);
    // dados.txt as Notepad shows it: Windows-1252 with CR LF.
    const std::string shipped = read_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / "dados.txt");
    EXPECT_TRUE(read_file(folder / "dados.txt") == as_saved_by_notepad_in_ansi(shipped));
    for (const char* name : {"temp.gnu", "temp_med.gnu", "terminal.gnu"})
        EXPECT_TRUE(read_file(folder / name) == read_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / name)) << name;
    // The plot scripts draw in wgnuplot's own window here.
    EXPECT_NE(read_file(folder / "terminal.gnu").find("janela = 'windows'"), std::string::npos);

    const WindowsProgramRun check = windows_run::run({folder, {comspec()}, {"--verificar"}});
    EXPECT_EQ(check.exit_status, 0u) << check.standard_output << check.standard_error;
    for (const char* text :
         {"  N      = 20", "  nt     = 200", "  theta  = 0.5", "  alpha  = 1 m²/s", "A execução calcularia"})
        EXPECT_NE(check.standard_output.find(text), std::string::npos) << text;

    const fs::path expected = build_folder() / "expected-windows" / "exemplo";
    const WindowsProgramRun whole = run_windows_program(folder, {comspec()});
    EXPECT_EQ(whole.exit_status, 0u) << whole.standard_error;
    EXPECT_EQ(whole.standard_error, "");
    EXPECT_EQ(whole.commands.size(), 4u);
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_TRUE(read_file(folder / name) == read_file(expected / name)) << name;

    // Saved again by Notepad as "UTF-8 with BOM": the mark is passed over,
    // the same values, the same results.
    std::string with_mark = "\xEF\xBB\xBF";
    for (const char c : shipped) with_mark += c == '\n' ? std::string("\r\n") : std::string(1, c);
    write_file(folder / "dados.txt", with_mark);
    const WindowsProgramRun check_again = windows_run::run({folder, {comspec()}, {"--verificar"}});
    EXPECT_EQ(check_again.standard_output, check.standard_output);
    ASSERT_EQ(run_windows_program(folder, {comspec()}).exit_status, 0u);
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_TRUE(read_file(folder / name) == read_file(expected / name)) << name;

    write_file(folder / "temp.gnu", "meu script\r\n");
    const WindowsProgramRun again = windows_run::run({folder, {comspec()}, {"--exemplo"}});
    EXPECT_EQ(again.exit_status, 0u);
    EXPECT_NE(again.standard_output.find("Já existiam, não foram alterados: dados.txt, temp.gnu, temp_med.gnu, "
                                         "terminal.gnu, convergencia.gnu."),
              std::string::npos)
        << again.standard_output;
    EXPECT_EQ(read_file(folder / "temp.gnu"), "meu script\r\n");
}

struct VerifyCase {
    const char* name;
    std::string data;
    unsigned long exit_status;
    std::vector<const char*> in_output;
    const char* standard_error;  // exactly
};

void PrintTo(const VerifyCase& c, std::ostream* out) { *out << c.name; }

class WindowsVerify : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(WindowsVerify, TellsWhatTheRunWouldDoAndWritesNothing)
{
    const VerifyCase& c = GetParam();
    const fs::path folder = scratch_folder(std::string("verificar_") + c.name);
    write_file(folder / "dados.txt", c.data);
    const WindowsProgramRun run = windows_run::run({folder, {comspec()}, {"--verificar"}});
    EXPECT_EQ(run.exit_status, c.exit_status) << run.standard_output << run.standard_error;
    for (const char* text : c.in_output)
        EXPECT_NE(run.standard_output.find(text), std::string::npos) << text << "\n" << run.standard_output;
    EXPECT_TRUE(lines_end_in_cr_lf(run.standard_output));
    EXPECT_EQ(run.standard_error, c.standard_error);
    EXPECT_TRUE(run.commands.empty());
    EXPECT_EQ(folder_contents(folder), std::vector<std::string>{"dados.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, WindowsVerify,
    ::testing::Values(
        VerifyCase{"sound",
                   data_file("20", "200", "0.1", "0.5"),
                   0,
                   {"  theta  = 0.5", "linha 8", "saida.txt: ", "memória: ", "A execução calcularia"},
                   ""},
        VerifyCase{"decimal_comma",
                   "20\r\n200\r\n0.1\r\n0,5  theta\r\n1\r\n1\r\n0\r\n0\r\n",
                   1,
                   {},
                   "\r\nrun-time error F6103: READ(dados.txt)\r\n- decimal comma on line 4 of dados.txt (theta): "
                   "'0,5'; write a decimal point: 0.5\r\n"},
        VerifyCase{"no_volumes",
                   data_file("0", "200", "0.1", "0.5"),
                   1,
                   {"M6103 (floating-point error: divide by zero): N (linha 1 de dados.txt) = 0"},
                   ""},
        VerifyCase{"unstable_overflow",
                   data_file("50", "4000", "100", "0"),
                   1,
                   {"1/(2(1 − 2·theta)) = 0.5", "Use nt ≥ 500000 ou theta ≥ 0.5"},
                   "\r\nrun-time error M6104: MATH\r\n- floating-point error: overflow\r\n"},
        VerifyCase{"reading_error",
                   data_file("20", "200", "abc", "0.5"),
                   1,
                   {},
                   "\r\nrun-time error F6103: READ(dados.txt)\r\n- invalid real number on line 3 of dados.txt (tf): "
                   "'abc'; tf is a real number with a decimal point, as in 0.5, 100 or 1.5e-3\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsVerify, WithoutAnInputFileCreatesNone)
{
    const fs::path folder = scratch_folder("verificar_sem_dados");
    const WindowsProgramRun run = windows_run::run({folder, {comspec()}, {"--verificar"}});
    EXPECT_EQ(run.exit_status, 1u);
    EXPECT_NE(run.standard_error.find("não há dados.txt nesta pasta; difusao1d --exemplo"), std::string::npos)
        << run.standard_error;
    EXPECT_TRUE(folder_contents(folder).empty());
}

}  // namespace
