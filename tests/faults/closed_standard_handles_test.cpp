// A program started with standard output or standard error closed: the
// files it opens must never take their places, or the error report and the
// viewers' console output would be written into the user's files.

#include "fault_support.h"

namespace {

using namespace faults;

struct ClosedCase {
    const char* name;
    ClosedHandles closed;
};

class ClosedStandardHandle : public ::testing::TestWithParam<ClosedCase> {};

// The third value is a word: the run ends with its report, which has
// nowhere to go and must not land in "dados.txt".
TEST_P(ClosedStandardHandle, AFailingRunLeavesTheInputFileAsItWas)
{
    const std::string data = "50\n100\nabc\n0.5\n1.0\n1.0\n0.0\n0.0\n";
    const fs::path folder = make_scratch_folder(std::string("fechado_falha_") + GetParam().name);
    write_file(folder / "dados.txt", data);
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"), {}, GetParam().closed);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(read_file(folder / "dados.txt"), data);
    EXPECT_EQ(run.commands, std::vector<std::string>{"notepad dados.txt"});
}

// The viewers share the program's console: what they print goes to its
// standard output, never into a file the program has opened.
TEST_P(ClosedStandardHandle, ViewersPrintingToTheConsoleChangeNoFile)
{
    const std::string data = data_file(20, 10);
    const Outputs sound = reference_run(std::string("fechado_referencia_") + GetParam().name, data);
    const fs::path folder = make_scratch_folder(std::string("fechado_") + GetParam().name);
    write_file(folder / "dados.txt", data);
    const ProgramRun run =
        run_program(folder, write_stand_in(folder, "echo \"viewer says: $cmd\"; echo oops >&2"), {}, GetParam().closed);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(read_file(folder / "dados.txt"), data);
    EXPECT_EQ(read_file(folder / "saida.txt"), sound.report);
    EXPECT_EQ(read_file(folder / "temp.dat"), sound.field);
    EXPECT_EQ(read_file(folder / "temp_med.dat"), sound.means);
}

INSTANTIATE_TEST_SUITE_P(Handles, ClosedStandardHandle,
                         ::testing::Values(ClosedCase{"output", {.output = true}}, ClosedCase{"error", {.error = true}},
                                           ClosedCase{"both", {.output = true, .error = true}}),
                         [](const ::testing::TestParamInfo<ClosedCase>& info) { return info.param.name; });

}  // namespace
