// The run-time error reports of the Windows build, byte for byte on
// standard error, with their exit statuses: a normal run, an input file too
// short, and the floating-point traps raised by the processor itself.

#include <gtest/gtest.h>

#include <string>

#include "windows_run.h"

namespace {

using namespace windows_run;

struct ErrorCase {
    const char* name;
    std::string dados;
    unsigned long exit_status;
    const char* standard_error;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class WindowsErrorReport : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(WindowsErrorReport, IsExactOnStandardErrorWithItsExitStatus)
{
    const fs::path folder = scratch_folder(std::string("erro_") + GetParam().name);
    write_file(folder / "dados.txt", GetParam().dados);
    const WindowsProgramRun run = run_windows_program(folder, {"COMSPEC=" + stand_in_interpreter().string()});
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
        // The reading errors name the line, the value and the text found.
        ErrorCase{"real_invalido", "4\n3\nabc\n1.0\n1.0\n1.0\n0.0\n0.0\n", 1,
                  "\r\nrun-time error F6103: READ(dados.txt)\r\n- invalid real number on line 3 of dados.txt (tf): "
                  "'abc'; tf is a real number with a decimal point, as in 0.5, 100 or 1.5e-3\r\n"},
        ErrorCase{"inteiro_com_ponto", "4.5\n3\n0.1\n1.0\n1.0\n1.0\n0.0\n0.0\n", 1,
                  "\r\nrun-time error F6101: READ(dados.txt)\r\n- character not allowed in an integer on line 1 of "
                  "dados.txt (N): '4.5'; N is an integer: digits only, with an optional sign, no decimal point and no "
                  "exponent, as in 20\r\n"},
        // A decimal comma stops the run; what Notepad writes when told to save
        // as "Unicode" too (its "UTF-8 with BOM" is read: options_test).
        ErrorCase{"virgula_decimal", "4\r\n3\r\n0,1\r\n1.0\r\n1.0\r\n1.0\r\n0.0\r\n0.0\r\n", 1,
                  "\r\nrun-time error F6103: READ(dados.txt)\r\n- decimal comma on line 3 of dados.txt (tf): '0,1'; "
                  "write a decimal point: 0.1\r\n"},
        ErrorCase{"utf16",
                  std::string("\xFF\xFE"
                              "4\0\r\0\n\0"
                              "3\0\r\0\n\0",
                              14),
                  1,
                  "\r\nrun-time error F6101: READ(dados.txt)\r\n- dados.txt is UTF-16 text (read on line 1, value of "
                  "N); save dados.txt as ANSI or UTF-8 text (without BOM)\r\n"},
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
