// The studies of the Windows build on the shipped example: their files, the
// plotting command through the interpreter, and the run's files untouched.

#include <gtest/gtest.h>

#include <algorithm>

#include "windows_run.h"

namespace {

using namespace windows_run;

TEST(WindowsStudies, ConvergenceAndEvolutionOfTheShippedExample)
{
    const fs::path folder = scratch_folder("estudos");
    fs::copy_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / "dados.txt", folder / "dados.txt");
    const std::string comspec = "COMSPEC=" + stand_in_interpreter().string();

    const WindowsProgramRun convergence = run({folder, {comspec}, {"--convergencia"}});
    ASSERT_EQ(convergence.exit_status, 0u) << convergence.standard_error;
    EXPECT_EQ(convergence.standard_error, "");
    ASSERT_EQ(convergence.commands.size(), 1u);
    EXPECT_NE(convergence.commands[0].find(" /c wgnuplot convergencia.gnu"), std::string::npos);
    // The table in the console's text (UTF-8 in a file), and in the file as
    // the report is written: Windows-1252 with CR LF.
    EXPECT_NE(convergence.standard_output.find("nível          N"), std::string::npos);
    const std::string table = read_file(folder / "convergencia.txt");
    EXPECT_NE(table.find("\r\nn\xEDvel          N"), std::string::npos);
    EXPECT_NE(table.find("  3        160        1600"), std::string::npos) << table;
    EXPECT_EQ(read_file(folder / "convergencia.gnu"), read_file(fs::path(DIFUSAO_EXAMPLE_FOLDER) / "convergencia.gnu"));

    const WindowsProgramRun evolution = run({folder, {comspec}, {"--evolucao"}});
    ASSERT_EQ(evolution.exit_status, 0u) << evolution.standard_error;
    ASSERT_EQ(evolution.commands.size(), 1u);
    EXPECT_NE(evolution.commands[0].find(" /c wgnuplot evolucao.gnu"), std::string::npos);
    const std::string profiles = read_file(folder / "evolucao.dat");
    const std::string final_profile = read_file(build_folder() / "expected-windows" / "exemplo" / "temp.dat");
    ASSERT_GT(profiles.size(), final_profile.size());
    EXPECT_TRUE(profiles.ends_with("# t = 0.1 s (passo 200 de 200)\r\n" + final_profile));

    EXPECT_EQ(folder_contents(folder),
              (std::vector<std::string>{"convergencia.dat", "convergencia.gnu", "convergencia.txt", "dados.txt",
                                        "evolucao.dat", "evolucao.gnu"}));
}

}  // namespace
