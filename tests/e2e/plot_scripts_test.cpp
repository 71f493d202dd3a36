// The shipped plot scripts, run by the real plotting program on the
// program's own output: the commands go through the default interpreter
// (no COMSPEC), "wgnuplot" standing for gnuplot; without a display the
// scripts draw into PNG files.

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

bool gnuplot_installed() { return std::system("command -v gnuplot >/dev/null 2>&1") == 0; }

// The example, and a case with both boundary temperatures other than 0, for
// which the scripts add their note on the analytic curve: gnuplot reports
// any error of a script on standard error.
class PlotScripts : public ::testing::TestWithParam<const char*> {};

TEST_P(PlotScripts, DrawTheProgramsOutputIntoPngFiles)
{
    if (!gnuplot_installed()) GTEST_SKIP() << "gnuplot is not installed: the plot scripts were not run";

    const fs::path folder = make_scratch_folder(std::string("graficos") + (*GetParam() ? "_contornos" : ""));
    const fs::path example = DIFUSAO_EXAMPLE_FOLDER;
    for (const char* name : {"dados.txt", "temp.gnu", "temp_med.gnu", "terminal.gnu"})
        fs::copy_file(example / name, folder / name);
    if (*GetParam()) write_file(folder / "dados.txt", GetParam());
    // PNG files of an earlier run are replaced.
    write_file(folder / "temp.png", "old");

    // No display, and an editor that returns at once.
    const ProgramRun run = run_program(folder, "", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"VISUAL", "true"}});
    ASSERT_EQ(run.exit_status, 0) << run.standard_error;
    EXPECT_EQ(run.standard_error, "");
    for (const char* name : {"temp.png", "temp_med.png"}) {
        ASSERT_TRUE(fs::exists(folder / name)) << name;
        EXPECT_GT(fs::file_size(folder / name), 1000u) << name;
        EXPECT_EQ(read_file(folder / name).substr(1, 3), "PNG") << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlotScripts, ::testing::Values("", "12\n40\n0.05\n0.5\n1\n1\n20\n-5\n"),
                         [](const auto& info) { return std::string(*info.param ? "BoundariesNotZero" : "Example"); });

}  // namespace
