// The end-to-end cases on Windows, byte for byte against files computed
// independently with this build's own values of sin, exp, acos and pow
// (expected-windows, made by make_expected.py --function-values): every
// other difference (order of operations, rendering, layout, text) fails.

#include <gtest/gtest.h>

#include "windows_run.h"

namespace {

using namespace windows_run;

class WindowsExpectedCase : public ::testing::TestWithParam<std::string> {};

TEST_P(WindowsExpectedCase, OutputFilesMatchByteForByte)
{
    const fs::path expected = build_folder() / "expected-windows" / GetParam();
    ASSERT_TRUE(fs::exists(expected / "saida.txt")) << expected;
    const fs::path folder = scratch_folder("caso_" + GetParam());
    const WindowsProgramRun run = run_windows_program(
        folder, {"COMSPEC=" + stand_in_interpreter().string(), "STAND_IN_DADOS=" + (expected / "dados.txt").string()});
    EXPECT_EQ(run.exit_status, 0u);
    EXPECT_EQ(run.standard_error, "");
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        EXPECT_TRUE(read_file(folder / name) == read_file(expected / name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsExpectedCase,
                         ::testing::Values("dois_volumes", "contornos", "decaimento_longo", "explicito", "inexato",
                                           "varios_buffers", "exemplo", "ultimo_digito"));

}  // namespace
