// The whole program, run as a user runs it, on small cases whose expected
// files were computed independently (tests/e2e/make_expected.py): the three
// output files byte for byte, the commands in order, the exit status and an
// empty standard error.

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The stand-in plays the user: in the editor on "dados.txt" it saves the
// case's data; the plotting program and the editor on the report succeed.
std::string user_saves(const fs::path& data)
{
    return "case \"$cmd\" in\n"
           "  'notepad dados.txt') cp '" +
           data.string() +
           "' dados.txt ;;\n"
           "esac\n"
           "exit 0";
}

const std::vector<std::string> viewer_commands = {"notepad dados.txt", "wgnuplot temp.gnu", "wgnuplot temp_med.gnu",
                                                  "notepad saida.txt"};

class ExpectedCase : public ::testing::TestWithParam<std::string> {};

TEST_P(ExpectedCase, OutputFilesMatchByteForByte)
{
    const fs::path expected = fs::path(DIFUSAO_EXPECTED_FOLDER) / GetParam();
    const fs::path folder = make_scratch_folder(GetParam());
    const ProgramRun run = run_program(folder, write_stand_in(folder, user_saves(expected / "dados.txt")));

    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.commands, viewer_commands);
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) {
        const std::string produced = read_file(folder / name);
        const std::string wanted = read_file(expected / name);
        EXPECT_EQ(produced.size(), wanted.size()) << name;
        const auto produced_lines = lines_of(produced), wanted_lines = lines_of(wanted);
        for (std::size_t i = 0; i < std::min(produced_lines.size(), wanted_lines.size()); ++i)
            ASSERT_EQ(produced_lines[i], wanted_lines[i]) << name << " line " << i + 1;
        EXPECT_TRUE(produced == wanted) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ExpectedCase,
                         ::testing::Values("dois_volumes", "contornos", "decaimento_longo", "explicito", "inexato",
                                           "varios_buffers", "exemplo", "ultimo_digito"));

}  // namespace
