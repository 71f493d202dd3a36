// The run-time error report, byte for byte, and the exit after it.

#include <gtest/gtest.h>

#include <string>

#include "process/runtime_error.h"
#include "process/started_process.h"
#include "process/termination.h"

namespace {

using process::StatementKind;
using testing_support::run_in_child;

std::string formatted(int number, std::string_view message, StatementKind kind, std::string_view file = {})
{
    char report[1024];
    return {report, process::format_runtime_error(report, sizeof report, number, message, kind, file)};
}

TEST(ErrorReport, EveryFrameKindByteForByte)
{
    struct Case {
        StatementKind kind;
        const char* report;
    };
    const Case cases[] = {
        {StatementKind::close, "\r\nrun-time error F6500: CLOSE(f.txt)\r\n- msg\r\n"},
        {StatementKind::write, "\r\nrun-time error F6500: WRITE(f.txt)\r\n- msg\r\n"},
        {StatementKind::open, "\r\nrun-time error F6500: OPEN(f.txt)\r\n- msg\r\n"},
        {StatementKind::read, "\r\nrun-time error F6500: READ(f.txt)\r\n- msg\r\n"},
        {StatementKind::math, "\r\nrun-time error M6500: MATH\r\n- msg\r\n"},
        {StatementKind::none, "\r\nrun-time error F6500\r\n- msg\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatted(6500, "msg", c.kind, "f.txt"), c.report);
}

TEST(ErrorReport, AnEmptyMessageClosesTheParenthesisWithoutADash)
{
    EXPECT_EQ(formatted(6501, "", StatementKind::read, "dados.txt"),
              "\r\nrun-time error F6501: READ(dados.txt)\r\n\r\n");
    EXPECT_EQ(formatted(6772, "", StatementKind::none), "\r\nrun-time error F6772\r\n- \r\n");
}

// The table of error texts: four-digit numbers from 6000 up, each once and
// in ascending order, each with a message that error_message finds.
TEST(ErrorReport, EveryNumberOfTheTableHasItsMessage)
{
    int previous = 5999;
    for (const process::ErrorText& entry : process::error_texts) {
        EXPECT_GT(entry.number, previous) << "out of order or twice";
        EXPECT_LE(entry.number, 6999);
        EXPECT_FALSE(entry.message.empty()) << entry.number;
        EXPECT_EQ(process::error_message(entry.number), entry.message);
        previous = entry.number;
    }
}

TEST(ErrorReport, EveryNumberTheProgramRaisesHasAMessage)
{
    const int numbers[] = {6100, 6101, 6102, 6103, 6104, 6105, 6106, 6107, 6108, 6109, 6110, 6111, 6201, 6202, 6203,
                           6204, 6205, 6206, 6207, 6209, 6300, 6301, 6302, 6303, 6304, 6305, 6306, 6307, 6308, 6309,
                           6311, 6314, 6315, 6316, 6404, 6405, 6412, 6413, 6414, 6415, 6416, 6417, 6418, 6421, 6422,
                           6500, 6501, 6502, 6503, 6504, 6506, 6507, 6772, 6776, 6779, 6793, 6794, 6796, 6798, 6799,
                           6971, 6972, 6980, 6981, 6982, 6983, 6984, 6986, 6987, 6988, 6989, 6990, 6991};
    for (const int number : numbers) EXPECT_FALSE(process::error_message(number).empty()) << number;
    EXPECT_EQ(process::error_message(6501), "end of file during read");
    EXPECT_TRUE(process::error_message(1234).empty());
}

TEST(ErrorReport, TheReportEndsTheRunWithStatusOne)
{
    const auto outcome = run_in_child([] { process::raise_runtime_error(6501, StatementKind::read, "dados.txt"); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6501: READ(dados.txt)\r\n- end of file during read\r\n");
    EXPECT_TRUE(outcome.standard_output.empty());

    const auto bounds = run_in_child([] { process::raise_runtime_error(6779, StatementKind::none); });
    EXPECT_EQ(bounds.error_output,
              "\r\nrun-time error F6779\r\n- array bounds invalid: N must be at least 2 and nt at least 1\r\n");
}

TEST(ErrorReport, MathematicalFunctionErrorsNameTheFunction)
{
    const auto outcome = run_in_child([] { process::math_function_error(process::MathError::singularity, "**"); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6202: MATH\r\n- **: SING error\r\n");
}

// While terminating, a report returns: the second error is reported too and
// termination goes on to its end.
TEST(ErrorReport, DuringTerminationAReportReturns)
{
    const auto outcome = testing_support::run_started_program([] {
        process::set_unit_closer([] {
            process::raise_runtime_error(6422, StatementKind::close, "a.dat");
            process::raise_runtime_error(6404, StatementKind::close, "b.dat");
        });
        process::raise_runtime_error(6501, StatementKind::read, "dados.txt");
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6501: READ(dados.txt)\r\n- end of file during read\r\n"
                                    "\r\nrun-time error F6422: CLOSE(a.dat)\r\n- cannot write: disk full\r\n"
                                    "\r\nrun-time error F6404: CLOSE(b.dat)\r\n- cannot delete the file\r\n");
}

}  // namespace
