// Without COMSPEC the commands go to /bin/sh with the user's editor and
// gnuplot. Either program missing: the shell says so, the run goes on and
// writes the same files as a run with both programs there.

#include "fault_support.h"

namespace {

using namespace faults;

// A program standing in for the editor or gnuplot: logs its call.
void write_program(const fs::path& path, const fs::path& log)
{
    write_script(path, "echo \"${0##*/} $*\" >> '" + log.string() + "'\nexit 0\n");
}

struct Missing {
    bool editor;
    bool plotter;
    const char* name;
};

void PrintTo(const Missing& missing, std::ostream* out) { *out << missing.name; }

class MissingProgram : public ::testing::TestWithParam<Missing> {};

TEST_P(MissingProgram, RunGoesOnWithoutIt)
{
    const Missing missing = GetParam();
    const std::string data = data_file(5, 4);
    const Outputs sound = reference_run(std::string("referencia_") + missing.name, data);

    const fs::path folder = make_scratch_folder(std::string("sem_") + missing.name);
    const fs::path programs = folder / "programas";
    fs::create_directories(programs);
    const fs::path log = folder / "programas.log";
    if (!missing.editor) write_program(programs / "editor", log);
    if (!missing.plotter) write_program(programs / "gnuplot", log);
    write_file(folder / "dados.txt", data);

    // PATH holds only the stand-in programs, so a missing one is not found
    // anywhere else.
    const ProgramRun run = run_program(
        folder, {}, {{"PATH", programs.string()}, {"VISUAL", ""}, {"EDITOR", (programs / "editor").string()}});
    EXPECT_EQ(run.exit_status, 0) << run.standard_error;
    EXPECT_EQ(run.standard_error.find("run-time error"), std::string::npos) << run.standard_error;
    if (missing.editor) {
        EXPECT_NE(run.standard_error.find("editor"), std::string::npos) << run.standard_error;
    }
    if (missing.plotter) {
        EXPECT_NE(run.standard_error.find("gnuplot"), std::string::npos) << run.standard_error;
    }

    std::string expected_calls;
    if (!missing.editor) expected_calls += "editor dados.txt\n";
    if (!missing.plotter) expected_calls += "gnuplot temp.gnu\ngnuplot temp_med.gnu\n";
    if (!missing.editor) expected_calls += "editor saida.txt\n";
    EXPECT_EQ(read_file(log), expected_calls);

    EXPECT_TRUE(read_file(folder / "saida.txt") == sound.report);
    EXPECT_TRUE(read_file(folder / "temp.dat") == sound.field);
    EXPECT_TRUE(read_file(folder / "temp_med.dat") == sound.means);
}

INSTANTIATE_TEST_SUITE_P(EditorOrPlotter, MissingProgram,
                         ::testing::Values(Missing{true, false, "editor"}, Missing{false, true, "gnuplot"},
                                           Missing{true, true, "both"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
