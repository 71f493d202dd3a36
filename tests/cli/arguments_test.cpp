// The command line: any argument means no run. Each option's exit status,
// what it prints, and that it leaves the folder as it was (--exemplo aside).

#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// No editor, no interpreter: a run that started by mistake would show up as
// output files in the folder.
const std::map<std::string, std::optional<std::string>> no_programs = {
    {"COMSPEC", std::nullopt}, {"VISUAL", "true"}, {"EDITOR", std::nullopt}};

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int exit_status;
    const char* in_output;  // expected in standard output ("" for none)
    const char* in_error;   // expected in standard error ("" for an empty one)
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class Argument : public ::testing::TestWithParam<Case> {};

TEST_P(Argument, AnswersWithoutRunningNorTouchingAFile)
{
    const Case c = GetParam();
    for (const bool with_input : {false, true}) {
        const fs::path folder =
            make_scratch_folder(std::string("argumento_") + c.name + (with_input ? "_com_dados" : ""));
        const std::string data = data_file("10", "10", "0.1", "0.5");
        if (with_input) write_file(folder / "dados.txt", data);
        const Outcome outcome = launch({folder, c.arguments, no_programs});
        EXPECT_EQ(outcome.exit_status, c.exit_status) << outcome.standard_error;
        if (*c.in_output) {
            EXPECT_NE(outcome.standard_output.find(c.in_output), std::string::npos) << outcome.standard_output;
        } else {
            EXPECT_EQ(outcome.standard_output, "");
        }
        if (*c.in_error) {
            EXPECT_NE(outcome.standard_error.find(c.in_error), std::string::npos) << outcome.standard_error;
            EXPECT_EQ(std::count(outcome.standard_error.begin(), outcome.standard_error.end(), '\n'), 1)
                << "one line: " << outcome.standard_error;
        } else {
            EXPECT_EQ(outcome.standard_error, "");
        }
        EXPECT_EQ(folder_contents(folder),
                  with_input ? std::vector<std::string>{"dados.txt"} : std::vector<std::string>{});
        if (with_input) {
            EXPECT_EQ(read_file(folder / "dados.txt"), data);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Options, Argument,
                         ::testing::Values(Case{"help", {"--help"}, 0, "Uso: difusao1d", ""},
                                           Case{"h", {"-h"}, 0, "dados.txt", ""},
                                           Case{"windows_help", {"/?"}, 0, "Uso: difusao1d", ""},
                                           Case{"version", {"--version"}, 0, "difusao1d " DIFUSAO_VERSAO "\n", ""},
                                           Case{"unknown", {"--ajuda"}, 2, "", "'--ajuda'"},
                                           Case{"word", {"dados.txt"}, 2, "", "'dados.txt'"},
                                           Case{"empty", {""}, 2, "", "''"},
                                           Case{"two", {"--help", "--version"}, 2, "", "'--version'"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Help, NamesTheEightValuesWithUnitsTheFilesTheEditorAndTheOptions)
{
    const Outcome outcome = launch({make_scratch_folder("ajuda"), {"--help"}, no_programs});
    for (const char* text :
         {"N ",   "nt ",     "tf ",       "theta ",      "alpha ",       "[m²/s]",         "Ta ",
          "Tb ",  "[°C]",    "saida.txt", "temp.dat",    "temp_med.dat", "VISUAL",         "EDITOR",
          "nano", "gnuplot", "--exemplo", "--verificar", "--version",    "--convergencia", "--evolucao"})
        EXPECT_NE(outcome.standard_output.find(text), std::string::npos) << text;
}

// --exemplo writes the shipped example case, never over a file.
TEST(Example, WritesTheShippedFilesIntoAnEmptyFolder)
{
    const fs::path folder = make_scratch_folder("exemplo");
    const Outcome outcome = launch({folder, {"--exemplo"}, no_programs});
    EXPECT_EQ(outcome.exit_status, 0) << outcome.standard_error;
    const std::vector<std::string> written = {"convergencia.gnu", "dados.txt", "temp.gnu", "temp_med.gnu",
                                              "terminal.gnu"};
    ASSERT_EQ(folder_contents(folder), written);
    for (const std::string& name : written)
        EXPECT_EQ(read_file(folder / name), read_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / name)) << name;
}

// Each missing file is written on its own; an empty dados.txt (left by an
// editor or a run) counts as missing; nothing else is overwritten.
TEST(Example, WritesOnlyTheMissingFiles)
{
    const fs::path folder = make_scratch_folder("exemplo_existente");
    write_file(folder / "temp_med.gnu", "meu script\n");
    write_file(folder / "dados.txt", "");
    const Outcome outcome = launch({folder, {"--exemplo"}, no_programs});
    EXPECT_EQ(outcome.exit_status, 0);
    EXPECT_NE(outcome.standard_output.find("Gravados: dados.txt, temp.gnu, terminal.gnu, convergencia.gnu."),
              std::string::npos)
        << outcome.standard_output;
    EXPECT_NE(outcome.standard_output.find("Já existiam, não foram alterados: temp_med.gnu."), std::string::npos)
        << outcome.standard_output;
    EXPECT_EQ(read_file(folder / "temp_med.gnu"), "meu script\n");
    EXPECT_EQ(read_file(folder / "dados.txt"), read_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / "dados.txt"));
    EXPECT_EQ(folder_contents(folder).size(), 5u);
}

// Help or a check that never reached its reader is no success.
TEST(Options, AFailedWriteOfTheirOutputEndsWithStatusOne)
{
    const fs::path folder = make_scratch_folder("saida_cheia");
    write_file(folder / "dados.txt", data_file("10", "10", "0.1", "0.5"));
    for (const std::string option : {"--help", "--verificar"}) {
        const int status = std::system(
            ("cd '" + folder.string() + "' && " + program_shell_command() + " " + option + " >/dev/full 2>/dev/null")
                .c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << option;
    }
}

}  // namespace
