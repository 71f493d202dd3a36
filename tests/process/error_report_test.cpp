// The run-time error report, byte for byte, and the exit after it.

#include <gtest/gtest.h>

#include <string>

#include "process/runtime_error.h"
#include "process/started_process.h"
#include "process/termination.h"

namespace {

using process::RuntimeError;
using process::StatementKind;
using testing_support::run_in_child;
namespace errors = process::errors;

std::string formatted(RuntimeError error, std::string_view message, StatementKind kind, std::string_view file = {})
{
    char report[1024];
    return {report, process::format_runtime_error(report, sizeof report, error, message, kind, file)};
}

TEST(ErrorReport, EveryFrameKindByteForByte)
{
    struct Case {
        StatementKind kind;
        char letter;
        const char* report;
    };
    const Case cases[] = {
        {StatementKind::close, 'F', "\r\nrun-time error F6500: CLOSE(f.txt)\r\n- msg\r\n"},
        {StatementKind::write, 'F', "\r\nrun-time error F6500: WRITE(f.txt)\r\n- msg\r\n"},
        {StatementKind::open, 'F', "\r\nrun-time error F6500: OPEN(f.txt)\r\n- msg\r\n"},
        {StatementKind::read, 'F', "\r\nrun-time error F6500: READ(f.txt)\r\n- msg\r\n"},
        {StatementKind::math, 'M', "\r\nrun-time error M6500: MATH\r\n- msg\r\n"},
        {StatementKind::none, 'F', "\r\nrun-time error F6500\r\n- msg\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatted({c.letter, 6500}, "msg", c.kind, "f.txt"), c.report);
}

TEST(ErrorReport, AnEmptyMessageClosesTheParenthesisWithoutADash)
{
    EXPECT_EQ(formatted(errors::end_of_file_while_reading, "", StatementKind::read, "dados.txt"),
              "\r\nrun-time error F6501: READ(dados.txt)\r\n\r\n");
    EXPECT_EQ(formatted(errors::array_memory_exhausted, "", StatementKind::none), "\r\nrun-time error F6772\r\n- \r\n");
}

// The table of error texts: four-digit numbers from 6000 up, each error once
// and in ascending order, each with a message that error_message finds.
TEST(ErrorReport, EveryErrorOfTheTableHasItsMessage)
{
    RuntimeError previous{'F', 5999};
    for (const process::ErrorText& entry : process::error_texts) {
        EXPECT_TRUE(entry.error > previous) << entry.error.letter << entry.error.number << ": out of order or twice";
        EXPECT_TRUE(entry.error.letter == 'F' || entry.error.letter == 'M');
        EXPECT_GE(entry.error.number, 6000);
        EXPECT_LE(entry.error.number, 6999);
        EXPECT_FALSE(entry.message.empty()) << entry.error.number;
        EXPECT_EQ(process::error_message(entry.error), entry.message);
        previous = entry.error;
    }
}

TEST(ErrorReport, EveryNumberTheProgramRaisesHasAMessage)
{
    const int f_numbers[] = {6100, 6101, 6102, 6103, 6104, 6206, 6207, 6209, 6300, 6301, 6302, 6303, 6304,
                             6305, 6306, 6307, 6308, 6309, 6311, 6314, 6315, 6316, 6404, 6405, 6412, 6413,
                             6414, 6415, 6416, 6417, 6418, 6421, 6422, 6500, 6501, 6502, 6503, 6504, 6506,
                             6507, 6772, 6776, 6779, 6793, 6794, 6796, 6798, 6799, 6971, 6972, 6980, 6981,
                             6982, 6983, 6984, 6986, 6987, 6988, 6989, 6990, 6991};
    const int m_numbers[] = {6101, 6102, 6103, 6104, 6105, 6106, 6107, 6108,
                             6109, 6110, 6111, 6201, 6202, 6203, 6204, 6205};
    for (const int number : f_numbers) EXPECT_FALSE(process::error_message({'F', number}).empty()) << number;
    for (const int number : m_numbers) EXPECT_FALSE(process::error_message({'M', number}).empty()) << number;
    EXPECT_EQ(process::error_message(errors::end_of_file_while_reading), "end of file during read");
    EXPECT_TRUE(process::error_message({'F', 1234}).empty());
    EXPECT_TRUE(process::error_message({'F', 6105}).empty());
}

// The conversion errors of the reader and the first floating-point traps
// share their numbers, not their letter nor their message.
TEST(ErrorReport, AnErrorIsItsLetterAndNumberTogether)
{
    const std::pair<RuntimeError, RuntimeError> same_number[] = {{errors::bad_integer_character, errors::fp_invalid},
                                                                 {errors::real_too_large, errors::fp_denormal},
                                                                 {errors::bad_real, errors::fp_divide_by_zero},
                                                                 {errors::real4_too_large, errors::fp_overflow}};
    for (const auto& [conversion, trap] : same_number) {
        EXPECT_EQ(conversion.number, trap.number);
        EXPECT_NE(conversion, trap);
        EXPECT_NE(process::error_message(conversion), process::error_message(trap));
    }
    EXPECT_EQ(formatted(errors::bad_integer_character, process::error_message(errors::bad_integer_character),
                        StatementKind::read, "dados.txt"),
              "\r\nrun-time error F6101: READ(dados.txt)\r\n- character not allowed in an integer\r\n");
    EXPECT_EQ(formatted(errors::fp_invalid, process::error_message(errors::fp_invalid), StatementKind::math),
              "\r\nrun-time error M6101: MATH\r\n- floating-point error: invalid\r\n");
}

TEST(ErrorReport, TheReportEndsTheRunWithStatusOne)
{
    const auto outcome = run_in_child(
        [] { process::raise_runtime_error(errors::end_of_file_while_reading, StatementKind::read, "dados.txt"); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6501: READ(dados.txt)\r\n- end of file during read\r\n");
    EXPECT_TRUE(outcome.standard_output.empty());

    const auto bounds =
        run_in_child([] { process::raise_runtime_error(errors::invalid_array_bounds, StatementKind::none); });
    EXPECT_EQ(bounds.error_output,
              "\r\nrun-time error F6779\r\n- array bounds invalid: N must be at least 2 and nt at least 1\r\n");
}

TEST(ErrorReport, MathematicalFunctionErrorsNameTheFunction)
{
    const auto outcome = run_in_child([] { process::math_function_error(process::MathError::singularity, "**"); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6202: MATH\r\n- **: SING error\r\n");
}

// While terminating, the report of an error of the closing returns: the
// second error is reported too and termination goes on to its end.
TEST(ErrorReport, DuringTerminationAReportReturns)
{
    const auto outcome = testing_support::run_started_program([] {
        process::set_unit_closer([] {
            for (const auto& [error, file] :
                 {std::pair{errors::disk_full, "a.dat"}, {errors::cannot_delete_file, "b.dat"}})
                process::report_error_while_terminating(error, process::error_message(error), StatementKind::close,
                                                        file);
        });
        process::raise_runtime_error(errors::end_of_file_while_reading, StatementKind::read, "dados.txt");
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6501: READ(dados.txt)\r\n- end of file during read\r\n"
                                    "\r\nrun-time error F6422: CLOSE(a.dat)\r\n- cannot write: disk full\r\n"
                                    "\r\nrun-time error F6404: CLOSE(b.dat)\r\n- cannot delete the file\r\n");
}

}  // namespace
