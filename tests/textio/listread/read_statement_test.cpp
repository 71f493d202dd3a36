// Read statements on a file unit: one statement per line, null values, the
// end of the file, and the error reports with the READ frame.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "support/child_process.h"
#include "support/files.h"
#include "support/scratch_folder.h"
#include "support/unit_table.h"
#include "textio/listread/list_read.h"
#include "textio/units/unit.h"

namespace textio {
namespace {

class ReadStatement : public testing_support::FreshUnitTable {
protected:
    // The file "in.txt" holding `text`, connected to unit 10.
    static void open_with(const std::string& text)
    {
        testing_support::write_file("in.txt", text);
        ASSERT_FALSE(unit_open(10, "in.txt"));
    }
    static std::int32_t read_integer(std::int32_t value = 0)
    {
        list_read_begin(10);
        list_read_integer4(value);
        list_read_end();
        return value;
    }
    static double read_real(double value = 0)
    {
        list_read_begin(10);
        list_read_real8(value);
        list_read_end();
        return value;
    }

    // The statement ends the run with exit status 1 and a report holding `report`.
    static void expect_run_ends(const std::function<void()>& statement, const std::string& report)
    {
        const testing_support::ChildOutcome outcome = testing_support::run_in_child(statement);
        EXPECT_EQ(outcome.status, 1) << report;
        EXPECT_NE(outcome.error_output.find(report), std::string::npos) << outcome.error_output;
    }

    const testing_support::WorkingFolder inside_{testing_support::make_scratch_folder("read_statement")};
};

TEST_F(ReadStatement, EachStatementTakesTheFirstValueOfItsLine)
{
    open_with("50 volumes\r\n100\t, steps\n\n  \t\n  0.5   theta\n100 tf\n1.0D-3, 2.0\n7/ eight\n");
    EXPECT_EQ(read_integer(), 50);
    EXPECT_EQ(read_integer(), 100);
    EXPECT_EQ(read_real(), 0.5);
    EXPECT_EQ(read_real(), 100.0);
    EXPECT_EQ(read_real(), 0.001);
    EXPECT_EQ(read_real(), 7.0);
}

TEST_F(ReadStatement, NullValuesKeepTheVariable)
{
    open_with(", 7\n/\n2*3.5\n9\n2*\n4\n");
    EXPECT_EQ(read_integer(11), 11);
    EXPECT_EQ(read_integer(12), 12);
    EXPECT_EQ(read_real(), 3.5);  // the second repetition is not carried over
    EXPECT_EQ(read_integer(), 9);
    EXPECT_EQ(read_integer(13), 13);
    EXPECT_EQ(read_integer(), 4);
}

TEST_F(ReadStatement, ArraysAndSeveralItemsSpanLines)
{
    open_with("1 2\n3,,5 6\n7\n");
    std::int32_t values[4] = {0, 0, 0, 0};
    double x = 0;
    list_read_begin(10);
    list_read_integer4_array(values);
    list_read_real8(x);
    EXPECT_EQ(list_read_end(), 0);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2], 3);
    EXPECT_EQ(values[3], 0);
    EXPECT_EQ(x, 5.0);
    EXPECT_EQ(read_integer(), 7);  // the rest of "5 6" was left
}

TEST_F(ReadStatement, LastLineWithoutLineEndThenEndOfFile)
{
    open_with("1\n2");
    EXPECT_EQ(read_integer(), 1);
    EXPECT_EQ(read_integer(), 2);
    expect_run_ends([] { read_integer(); }, "run-time error F6501: READ(in.txt)\r\n- end of file during read");
}

TEST_F(ReadStatement, EndOfFileInsideAnOpenValueIsTheEndOfFileError)
{
    // The last line of a data file cut inside a parenthesis: no value was
    // completed, so the read meets the end of the file.
    for (const char* text : {"1\n(1.0", "1\n'2.5", "1\n(2.5\n"}) {
        open_with(text);
        EXPECT_EQ(read_integer(), 1);
        expect_run_ends([] { read_real(); }, "run-time error F6501: READ(in.txt)\r\n- end of file during read");
        unit_close(10);
    }
}

TEST_F(ReadStatement, ParenthesesAndQuotesInsideValues)
{
    open_with("((1,2))\n('ab')\n7 (,2)\n");
    std::complex<double> z;
    list_read_begin(10);
    list_read_complex16(z);
    EXPECT_EQ(list_read_end(), 0);
    EXPECT_EQ(z, std::complex<double>(1.0, 2.0));
    char text[4];
    list_read_begin(10);
    list_read_character(text, sizeof text);
    EXPECT_EQ(list_read_end(), 0);
    EXPECT_EQ(std::string(text, sizeof text), "ab  ");
    // The comma joins the blank after 7: the complex value has no comma.
    std::int32_t n = 0;
    int status = 0;
    list_read_begin(10, {.status = &status});
    list_read_integer4(n);
    list_read_complex16(z);
    EXPECT_EQ(list_read_end(), 6506);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(z, std::complex<double>(1.0, 2.0));
}

TEST_F(ReadStatement, StatusReturnsTheErrorAndTheRunGoesOn)
{
    open_with("100.0\n12\n");
    std::int32_t n = 5;
    int status = 99;
    list_read_begin(10, {.status = &status});
    list_read_integer4(n);
    EXPECT_EQ(list_read_end(), 6101);
    EXPECT_EQ(status, 6101);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(read_integer(), 12);

    list_read_begin(10, {.end_return = true});
    list_read_integer4(n);
    EXPECT_EQ(list_read_end(), read_end_of_file);
    list_read_begin(10, {.status = &status});
    list_read_integer4(n);
    EXPECT_EQ(list_read_end(), 6405);  // the unit has met its end
}

TEST_F(ReadStatement, ErrorsEndTheRunWithTheReadFrame)
{
    const std::string too_long(600, '1');
    const std::pair<const char*, const char*> integer_cases[] = {
        {"100.0\n", "F6101: READ(in.txt)"},
        {"12abc\n", "F6101"},
        {"2147483648\n", "F6100"},
        {"-02147483648\n", "F6100"},
        {"-2147483649\n", "F6100"},
        {"0*4\n", "F6502"},
        {"2*3*4\n", "F6503"},
        {"'12'\n", "F6504"},
        {"(1,2)\n", "F6504"},
        {"16#1#1\n", "F6302"},
        {"40#1\n", "F6303"},
        {too_long.c_str(), "F6508: READ(in.txt)\r\n- value too long"},
    };
    for (const auto& [text, report] : integer_cases) {
        open_with(text);
        expect_run_ends([] { read_integer(); }, report);
        unit_close(10);
    }
    for (const auto& [text, report] :
         {std::pair{"0.5!\n", "F6103"}, std::pair{"theta\n", "F6103"}, std::pair{"1e400\n", "F6102"}}) {
        open_with(text);
        expect_run_ends([] { read_real(); }, report);
        unit_close(10);
    }
    expect_run_ends([] { list_read_begin(40000); }, "run-time error F6314\r\n- unit number outside");
}

TEST_F(ReadStatement, TooSmallIsZeroAndOtherItemKinds)
{
    open_with("1e-400\n-2147483648\n.true. (1.5, -2) 'it''s' 16#7f\n");
    EXPECT_EQ(read_real(3.0), 0.0);
    EXPECT_EQ(read_integer(), INT32_MIN);
    std::int32_t flag = 0;
    std::complex<double> z;
    char text[6];
    std::int8_t small = 0;
    list_read_begin(10);
    list_read_logical4(flag);
    list_read_complex16(z);
    list_read_character(text, sizeof text);
    list_read_integer1(small);
    EXPECT_EQ(list_read_end(), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(z, std::complex<double>(1.5, -2.0));
    EXPECT_EQ(std::string(text, sizeof text), "it's  ");
    EXPECT_EQ(small, 127);
}

}  // namespace
}  // namespace textio
