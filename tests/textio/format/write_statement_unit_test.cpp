// The statement against its unit: carriage control, the unit number, and
// errors that end the run.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/child_process.h"
#include "writer_test_support.h"

namespace {

using namespace writer_testing;

using WriteStatementUnit = WriterFile;

TEST_F(WriteStatementUnit, FirstCharacterControlTakesTheStatementsFirstCharacter)
{
    textio::OpenOptions options;
    options.carriagecontrol = "FIRSTCHAR";
    reopen("control.txt", options);
    ASSERT_EQ(write("(' line',/,' next')"), 0);
    ASSERT_EQ(write("('0gap')"), 0);
    ASSERT_EQ(write("('1page')"), 0);
    ASSERT_EQ(write("(T3,'x')"), 0);  // the first blank is the control character
    EXPECT_EQ(written(), "line\r\n next\r\n\r\ngap\r\n\fpage\r\n x\r\n");
}

TEST_F(WriteStatementUnit, ListCarriageControlWritesTheFirstCharacter) { EXPECT_EQ(bytes_of("('0abc')"), "0abc\r\n"); }

TEST_F(WriteStatementUnit, NonAdvancingStatementLeavesItsRecordOpen)
{
    const std::string first = "('ab')";
    textio::format_write_begin(scratch_unit, first.c_str(), -1,
                               textio::format_write_error_return | textio::format_write_non_advancing);
    ASSERT_FALSE(textio::format_write_end());
    ASSERT_EQ(write("('cd')"), 0);
    EXPECT_EQ(written(), "abcd\r\n");
}

// Statements of one test: the format and whether it is non-advancing.
struct Statement {
    std::string format;
    bool non_advancing = false;
};

int write_statement(const Statement& statement)
{
    textio::format_write_begin(scratch_unit, statement.format.c_str(), -1,
                               textio::format_write_error_return |
                                   (statement.non_advancing ? textio::format_write_non_advancing : 0));
    return textio::format_write_end().number;
}

TEST_F(WriteStatementUnit, ARecordLeftOpenByANonAdvancingStatementEndsAtClose)
{
    const std::string almost_a_buffer(1023, 'a');
    const struct {
        std::vector<Statement> statements;
        std::string bytes;
    } cases[] = {
        {{{"('abc')", true}}, "abc\r\n"},
        {{{"('ab')", true}, {"('cd')", true}}, "abcd\r\n"},
        {{{"('ab')", true}, {"('cd')"}}, "abcd\r\n"},
        {{{"('ab')", true}, {"('cd',$)"}}, "abcd\r\n"},
        {{{"('ab')", true}, {"('c',/,'d',$)"}}, "abc\r\nd"},
        {{{"('ab',/,'cd')", true}}, "ab\r\ncd\r\n"},
        {{{"('abc',$)"}}, "abc"},  // "$" alone leaves the record as it is
        {{{"('" + almost_a_buffer + "')", true}}, almost_a_buffer + "\r\n"},
    };
    for (const auto& c : cases) {
        reopen("open_record.txt");
        for (const Statement& statement : c.statements) ASSERT_EQ(write_statement(statement), 0) << statement.format;
        EXPECT_EQ(written(), c.bytes) << c.statements.front().format;
    }
    // At termination too.
    reopen("open_record.txt");
    ASSERT_EQ(write_statement({"('abc')", true}), 0);
    textio::close_all_units();
    EXPECT_EQ(testing_support::read_file(file()), "abc\r\n");
}

TEST_F(WriteStatementUnit, UnitNumberOutOfRangeFailsAtBegin)
{
    EXPECT_EQ(write("(I5)", {1}, 32768), 6314);
    EXPECT_EQ(write("(I5)", {1}, -32768), 6314);
    EXPECT_EQ(write("(I5)", {1}), 0);
    EXPECT_EQ(written(), "    1\r\n");
    // Raised, it names no statement and no file.
    for (const int unit : {32768, -40000}) {
        const auto outcome = testing_support::run_in_child([unit] { textio::format_write_begin(unit, "(I5)", -1, 0); });
        EXPECT_EQ(outcome.status, 1) << unit;
        EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6314\r\n- unit number outside -32767 to 32767\r\n")
            << unit;
    }
}

TEST_F(WriteStatementUnit, ItemsAreCopiedWhenHandedOver)
{
    double value = 1.0;
    textio::format_write_begin(scratch_unit, "(F4.1)", -1, 0);
    textio::format_write_real(value);
    value = 2.0;
    ASSERT_FALSE(textio::format_write_end());
    EXPECT_EQ(written(), " 1.0\r\n");
}

TEST_F(WriteStatementUnit, StatementBegunInsideAnotherOneKeepsBothApart)
{
    textio::format_write_begin(scratch_unit, "(I2,I2)", -1, 0);
    textio::format_write_integer(1);
    textio::format_write_begin(scratch_unit, "('inner',I2)", -1, 0);
    textio::format_write_integer(9);
    ASSERT_FALSE(textio::format_write_end());
    textio::format_write_integer(2);
    ASSERT_FALSE(textio::format_write_end());
    EXPECT_EQ(written(), "inner 9\r\n 1 2\r\n");
}

TEST_F(WriteStatementUnit, ErrorWithoutErrorReturnEndsTheRunAndKeepsEarlierRecords)
{
    const auto outcome = testing_support::run_in_child([] {
        // As the run-time's termination routine does.
        std::atexit([] { textio::close_all_units(); });
        textio::format_write_begin(scratch_unit, "(I2/I2/'x',E5)", -1, 0);
        textio::format_write_integer(1);
        textio::format_write_integer(2);
        textio::format_write_end();
        std::_Exit(0);
    });
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    // The records before the faulty item reached the file at termination.
    textio::close_all_units();
    const std::string bytes = testing_support::read_file(file());
    EXPECT_TRUE(bytes.starts_with(" 1\r\n 2\r\nx")) << bytes;
}

}  // namespace

namespace {

using namespace writer_testing;

using WriteStatementNesting = WriterFile;

std::string line_of(int i)
{
    char text[32];
    std::snprintf(text, sizeof text, "s%d%3d\r\n", i, i);
    return text;
}

// More statements open at once than compiled formats are kept: each still
// executes its own format.
TEST_F(WriteStatementNesting, ManyOpenStatementsEachKeepTheirFormat)
{
    std::vector<std::string> formats;
    for (int i = 0; i < 12; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "('s%d',I3)", i);
        formats.emplace_back(text);
    }
    for (int i = 0; i < 12; ++i) {
        textio::format_write_begin(scratch_unit, formats[static_cast<size_t>(i)].c_str(), -1, 0);
        textio::format_write_integer(i);
    }
    for (int i = 0; i < 12; ++i) ASSERT_FALSE(textio::format_write_end());
    // Again, now from the kept forms.
    for (int i = 0; i < 12; ++i) ASSERT_EQ(write(formats[static_cast<size_t>(i)], {i}), 0);
    std::string expected;
    for (int i = 11; i >= 0; --i) expected += line_of(i);
    for (int i = 0; i < 12; ++i) expected += line_of(i);
    EXPECT_EQ(written(), expected);
}

TEST_F(WriteStatementNesting, FormatErrorIsRaisedAgainWhenTheFormIsReused)
{
    EXPECT_EQ(write("(I2/I)", {1, 2}), 6980);
    EXPECT_EQ(write("(I2/I)", {3, 4}), 6980);
    EXPECT_EQ(written(), " 1\r\n 3\r\n");
}

// The renderer's overflow results are not texts: a field wider than them
// still shows asterisks, never the bytes of the field buffer.
TEST_F(WriteStatementUnit, OverflowResultsInWideFieldsBecomeAsterisks)
{
    // An exponent of -100 in one digit: the 32767 result, in a field of 40000.
    EXPECT_EQ(bytes_of("(E40000.4E1)", {1e-100}), std::string(40000, '*') + "\r\n");
    // 531 significant digits: the 520 result, after w - 520 blanks.
    reopen("digits.txt");
    EXPECT_EQ(bytes_of("(E600.530)", {0.5}), std::string(80, ' ') + std::string(520, '*') + "\r\n");
}

// The overflow result comes from 520 significant digits on, whatever the
// text's length; integers have none, however many zeros they are given.
TEST_F(WriteStatementUnit, RealsOverflowAtFiveHundredAndTwentyDigitsIntegersNever)
{
    const auto text = [](const std::string& head, int zeros, const std::string& tail) {
        return head + std::string(static_cast<size_t>(zeros), '0') + tail;
    };
    const auto field = [](int w, const std::string& text) {
        return std::string(static_cast<size_t>(w) - text.size(), ' ') + text + "\r\n";
    };
    const std::string overflow = std::string(80, ' ') + std::string(520, '*') + "\r\n";
    const struct {
        const char* format;
        Item item;
        std::string bytes;
    } cases[] = {
        {"(1P,E600.509)", 1.0, field(600, text("1.", 509, "E+00"))},
        {"(1P,E600.518)", -1.0, field(600, text("-1.", 518, "E+00"))},
        {"(1P,E600.519)", 1.0, overflow},
        {"(E600.511)", 1.0, field(600, text(".1", 510, "E+01"))},
        {"(E600.519)", 0.5, field(600, text(".5", 518, "E+00"))},
        {"(E600.520)", 0.5, overflow},
        {"(E520.515)", 1.0, field(520, text(".1", 514, "E+01"))},  // a text of exactly 520
        {"(ES600.509)", 1.0, field(600, text("1.", 509, "E+00"))},
        {"(F600.518)", 1.0, field(600, text("1.", 518, ""))},
        {"(F600.519)", 1.0, overflow},
        {"(I519.519)", 1, text("", 518, "1\r\n")},
        {"(I700.600)", -5, field(700, text("-", 599, "5"))},
        {"(I600.600)", -5, std::string(600, '*') + "\r\n"},
        {"(I100000.99999)", 7, field(100000, text("", 99998, "7"))},
        {"(Z600.560)", 255, field(600, text("", 558, "FF"))},
        {"(Z600.560)", 1.0, field(600, text("", 544, "3FF0000000000000"))},
    };
    for (const auto& c : cases) {
        reopen("digits.txt");
        const std::string got = bytes_of(c.format, {c.item});
        EXPECT_TRUE(got == c.bytes) << c.format << " gave " << got.size() << " bytes: " << got.substr(0, 60) << "...";
    }
}

}  // namespace
