// The run-time error reports of the Windows build, byte for byte on
// standard error, with their exit statuses: a normal run, an input file too
// short, and the floating-point traps raised by the processor itself.

#include <gtest/gtest.h>

#include "windows_run.h"

namespace {

using namespace windows_run;

struct ErrorCase {
    const char* name;
    const char* dados;
    unsigned long exit_status;
    const char* standard_error;
};

class WindowsErrorReport : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(WindowsErrorReport, IsExactOnStandardErrorWithItsExitStatus)
{
    const fs::path folder = scratch_folder(std::string("erro_") + GetParam().name);
    write_file(folder / "dados.txt", GetParam().dados);
    const ProgramRun run = run_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
    EXPECT_EQ(run.exit_status, GetParam().exit_status);
    EXPECT_EQ(run.standard_error, GetParam().standard_error);
    EXPECT_EQ(run.standard_output, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsErrorReport,
    ::testing::Values(
        ErrorCase{"nenhum", "4\n3\n0.1\n1.0\n1.0\n1.0\n0.0\n0.0\n", 0, ""},
        ErrorCase{"poucos_valores", "4\n3\n0.1\n", 1,
                  "\r\nrun-time error F6501: READ(dados.txt)\r\n- end of dados.txt on line 4 without the value of "
                  "theta; dados.txt holds 8 values, one per line: N, nt, tf, theta, alpha, L, Ta, Tb\r\n"},
        // dt = tf / nt with nt = 0
        ErrorCase{"divisao_por_zero", "4\n0\n0.1\n1.0\n1.0\n1.0\n0.0\n0.0\n", 1,
                  "\r\nrun-time error M6103: MATH\r\n- floating-point error: divide by zero\r\n"},
        // dt = 0 / 0
        ErrorCase{"zero_sobre_zero", "4\n0\n0.0\n1.0\n1.0\n1.0\n0.0\n0.0\n", 1,
                  "\r\nrun-time error M6101: MATH\r\n- floating-point error: invalid\r\n"},
        // explicit scheme with alpha dt / dx^2 = 5: the field grows until it overflows
        ErrorCase{"instavel", "10\n2000\n100.0\n0.0\n1.0\n1.0\n0.0\n0.0\n", 1,
                  "\r\nrun-time error M6104: MATH\r\n- floating-point error: overflow\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
