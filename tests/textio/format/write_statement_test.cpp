#include <cmath>
#include <cstdio>
#include <string>

#include "writer_test_support.h"

namespace {

using namespace writer_testing;

using WriteStatement = WriterFile;

TEST_F(WriteStatement, ByteExactProgramRecords)
{
    ASSERT_EQ(write("(/,T10,I9,T20,' = N:      n\xFAmero de volumes de controle')", {50}), 0);
    ASSERT_EQ(write("(1P,E18.10,T20,' = alpha:  difusividade t\xE9rmica [m2/s]')", {1.0E-05}), 0);
    ASSERT_EQ(write("(2/,'Coeficientes e termos-fontes',/,'vol.',T10,'oeste',T35,'central',T60,'leste',"
                    "T85,'termo-fonte')"),
              0);
    ASSERT_EQ(write("(I5,4(1P,E25.15))", {3, 1.0, -0.5, 0.0, 1.0 / 7.0}), 0);
    EXPECT_EQ(written(), "\r\n" + blanks(16) +
                             "50  = N:      n\xFAmero de volumes de controle\r\n"
                             "  1.0000000000E-05  = alpha:  difusividade t\xE9rmica [m2/s]\r\n"
                             "\r\n\r\nCoeficientes e termos-fontes\r\n"
                             "vol." +
                             blanks(5) + "oeste" + blanks(20) + "central" + blanks(18) + "leste" + blanks(20) +
                             "termo-fonte\r\n"
                             "    3    1.000000000000000E+00   -5.000000000000000E-01    0.000000000000000E+00"
                             "    1.428571428571429E-01\r\n");
}

TEST_F(WriteStatement, ReportTableRowsKeepTheirColumns)
{
    const std::string row = "(I10,1P,E20.9,3(1P,E25.15))";
    ASSERT_EQ(write(row, {0, 0.0, 100.0, 100.0, 100.0 - 100.0}), 0);
    ASSERT_EQ(write(row, {123456789, 0.05, -1.0E-100, 2.5E+300, 3.0}), 0);
    ASSERT_EQ(write("(4(1P,E25.15))", {0.0, 1.0, 2.0, 3.0}), 0);
    ASSERT_EQ(write("(1P,E20.9,2(1P,E25.15))", {0.0, 50.0, 50.0}), 0);
    ASSERT_EQ(write("(3(1P,E25.15))", {0.5, 0.25, 0.125}), 0);
    EXPECT_EQ(written(), "         0     0.000000000E+00    1.000000000000000E+02    1.000000000000000E+02"
                         "    0.000000000000000E+00\r\n"
                         " 123456789     5.000000000E-02   -1.000000000000000-100    2.500000000000000+300"
                         "    3.000000000000000E+00\r\n"
                         "    0.000000000000000E+00    1.000000000000000E+00    2.000000000000000E+00"
                         "    3.000000000000000E+00\r\n"
                         "     0.000000000E+00    5.000000000000000E+01    5.000000000000000E+01\r\n"
                         "    5.000000000000000E-01    2.500000000000000E-01    1.250000000000000E-01\r\n");
}

TEST_F(WriteStatement, ReportHeadingsStartAtTheirColumns)
{
    ASSERT_EQ(write("('Solu\xE7\xE3o Num\xE9rica',2/,'Dados de entrada')"), 0);
    ASSERT_EQ(write("(2/,'Solu\xE7\xF5"
                    "es num\xE9ricas',2/,T5,'Volume',T16,'Posi\xE7\xE3o [m]',T35,"
                    "'Temp. num\xE9rica [\xB0"
                    "C]')"),
              0);
    EXPECT_EQ(written(), "Solu\xE7\xE3o Num\xE9rica\r\n\r\nDados de entrada\r\n"
                         "\r\n\r\nSolu\xE7\xF5"
                         "es num\xE9ricas\r\n\r\n"
                         "    Volume" +
                             blanks(5) + "Posi\xE7\xE3o [m]" + blanks(8) +
                             "Temp. num\xE9rica [\xB0"
                             "C]\r\n");
}

TEST_F(WriteStatement, SlashesAndEmptyRecords)
{
    ASSERT_EQ(write("(2/,'x')"), 0);
    ASSERT_EQ(write("(I5,/)", {7}), 0);
    ASSERT_EQ(write("(I5)"), 0);  // no items: one empty record
    EXPECT_EQ(written(), "\r\n\r\nx\r\n    7\r\n\r\n\r\n");
}

TEST_F(WriteStatement, PositioningNeverLeavesTrailingBlanks)
{
    ASSERT_EQ(write("('a',T10)"), 0);
    ASSERT_EQ(write("('a',5X)"), 0);
    ASSERT_EQ(write("('a',TR3,'b',TL2,'c')"), 0);
    EXPECT_EQ(written(), "a\r\na\r\na  cb\r\n");
}

// Blanks owed by positioning and by right justification are written only
// before a character: an empty text (a zero with no minimum digits, an empty
// literal) is none, so the blanks before it are still owed, and dropped at
// the end of the record or by the next tab.
TEST_F(WriteStatement, BlanksOwedBeforeAnEmptyTextAreWrittenOnlyWhenACharacterFollows)
{
    const struct {
        const char* format;
        std::vector<Item> items;
        const char* bytes;
    } cases[] = {
        {"(I5.0)", {0}, "\r\n"},
        {"(Z5.0)", {0}, "\r\n"},
        {"(B12.0)", {0}, "\r\n"},
        {"('a',5X,'')", {}, "a\r\n"},
        {"('a',T9,'',I3.0)", {0}, "a\r\n"},
        {"(I5.0,'x')", {0}, "     x\r\n"},
        {"('a',5X,'','b')", {}, "a     b\r\n"},
        {"(2I3.0,'|')", {0, 0}, "      |\r\n"},
        {"('abcdef',T2,I3.0,T6,'x')", {0}, "abcdex\r\n"},
        {"('abcdef',T2,I3.0,'x')", {0}, "a   xf\r\n"},
        {"('abcdef',T2,I3.0)", {0}, "abcdef\r\n"},
        {"('abcdef',T2,'',TR2,'x')", {}, "abcxef\r\n"},
    };
    for (const auto& c : cases) {
        reopen("empty_text.txt");
        EXPECT_EQ(bytes_of(c.format, c.items), c.bytes) << c.format;
    }
}

TEST_F(WriteStatement, TabLeftOverwritesCharactersAlreadyPlaced)
{
    ASSERT_EQ(write("('abcdef',T3,'X')"), 0);
    ASSERT_EQ(write("('abcdef',T2,'X',T5,'Y')"), 0);
    ASSERT_EQ(write("('abc',T2,'XYZW')"), 0);
    ASSERT_EQ(write("('abcdefgh',T2,I3)", {7}), 0);  // the field's blanks overwrite too
    ASSERT_EQ(write("('ab',T1,T6,'z')"), 0);
    EXPECT_EQ(written(), "abXdef\r\naXcdYf\r\naXYZW\r\na  7efgh\r\nab   z\r\n");
}

TEST_F(WriteStatement, TabLeftRewritesBytesAlreadyHandedToTheFile)
{
    // Leading bytes of a long record have left the 1024-byte buffer.
    const std::string long_text(3000, 'x');
    ASSERT_EQ(write("('" + long_text + "',T2,'AB',T2999,'Z')"), 0);
    std::string expected = long_text;
    expected[1] = 'A';
    expected[2] = 'B';
    expected[2998] = 'Z';
    EXPECT_EQ(written(), expected + "\r\n");
}

TEST_F(WriteStatement, OverlongFieldsBecomeAsterisks)
{
    ASSERT_EQ(write("(I5)", {123456}), 0);
    ASSERT_EQ(write("(1P,E8.3)", {-1.5}), 0);
    EXPECT_EQ(written(), "*****\r\n********\r\n");
}

TEST_F(WriteStatement, ReversionStartsANewRecordAtTheLastOuterGroup)
{
    ASSERT_EQ(write("(I5)", {1, 2}), 0);
    ASSERT_EQ(write("(I2,2(1X,I2))", {1, 2, 3, 4, 5}), 0);
    ASSERT_EQ(write("('a',I2,'b')", {1, 2}), 0);
    ASSERT_EQ(write("(I2,3I3)", {1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(written(), "    1\r\n    2\r\n"
                         " 1  2  3\r\n  4  5\r\n"
                         "a 1b\r\na 2b\r\n"
                         " 1  2  3  4\r\n 5\r\n");
}

// However long the reverted part of the format is (here 70000 bytes of
// literal), the end of the format leads back to it.
TEST_F(WriteStatement, ReversionReachesBackOverAFormatOfAnyLength)
{
    const std::string literal(70000, 'x');
    ASSERT_EQ(write("(I2,('" + literal + "',I2))", {1, 2, 3}), 0);
    EXPECT_EQ(written(), " 1" + literal + " 2\r\n" + literal + " 3\r\n");
}

TEST_F(WriteStatement, ScaleFactorHoldsAcrossRecordsAndReversion)
{
    ASSERT_EQ(write("(1P,E10.3/E10.3)", {1.0, 2.0}), 0);
    ASSERT_EQ(write("(E10.3,1P)", {1.0, 2.0}), 0);
    EXPECT_EQ(written(), " 1.000E+00\r\n 2.000E+00\r\n  .100E+01\r\n 2.000E+00\r\n");
}

TEST_F(WriteStatement, ColonSignModesAndDollar)
{
    ASSERT_EQ(write("(I2,:,' more')", {1}), 0);
    ASSERT_EQ(write("(SP,I3,S,I3)", {1, 2}), 0);
    ASSERT_EQ(write("('a',$)"), 0);
    ASSERT_EQ(write("('b')"), 0);
    EXPECT_EQ(written(), " 1\r\n +1  2\r\nab\r\n");
}

TEST_F(WriteStatement, GroupsNestToSixteenLevels)
{
    const std::string sixteen = std::string(16, '(') + "I1" + std::string(16, ')');
    ASSERT_EQ(write("(" + sixteen + ")", {4}), 0);
    EXPECT_EQ(write("((" + sixteen + "))", {4}), 6986);
    EXPECT_EQ(written(), "4\r\n");
}

TEST_F(WriteStatement, LiteralBytesPassUnchanged)
{
    EXPECT_EQ(bytes_of("('\xE7\xB0\"',\"q'\"\"\")"), "\xE7\xB0\"q'\"\r\n");
}

TEST_F(WriteStatement, OtherDataItemsTakeTheProgramsItems)
{
    ASSERT_EQ(write("(F8.3,G12.4,Z9,B5,O4,ES11.3,EN11.3,D10.3)", {2.5, 1.5, -1, 5, 8, 12345.0, 12345.0, 0.5}), 0);
    EXPECT_EQ(written(), std::string("   2.500") + "   1.500    " + " FFFFFFFF" + "  101" + "  10" + "  1.235E+04" +
                             " 12.345E+03" + "  .500D+00\r\n");
}

TEST_F(WriteStatement, ModeItemsCountedLiteralsAndExponentLetters)
{
    ASSERT_EQ(write("(BN,BZ,Q,SS,2Hab,E12.3E3,E12.3D3,G12.3D3,G12.3)", {1.5, 2.5, 1.0E10, 25.0}), 0);
    EXPECT_EQ(written(), "ab   .150E+001   .250D+001   .100D+011    25.0    \r\n");
}

struct ErrorCase {
    const char* format;
    int items;  // integer items given (the value 1)
    int error;
    const char* before;  // bytes written before the error
};

TEST_F(WriteStatement, SyntaxErrorsAreRaisedWhenExecutionReachesThem)
{
    const ErrorCase cases[] = {
        {"I5", 0, 6981, ""},           {"(I2/I)", 2, 6980, " 1\r\n"},   {"(I2,-)", 1, 6980, " 1"},
        {"(I2,E10)", 1, 6987, " 1"},   {"(I2,2T5)", 1, 6983, " 1"},     {"(I2,3'a')", 1, 6983, " 1"},
        {"(I2,2:)", 1, 6983, " 1"},    {"(I2,H)", 1, 6984, " 1"},       {"(I2,P)", 1, 6984, " 1"},
        {"(I2,T0)", 1, 6982, " 1"},    {"(I2,-2X)", 1, 6982, " 1"},     {"(I2,I3.4)", 1, 6990, " 1"},
        {"(I2,ES3.4)", 1, 6971, " 1"}, {"(I2,EN9.3E0)", 1, 6972, " 1"}, {"(I2,'abc", 1, 6988, " 1"},
        {"(I2,", 1, 6988, " 1"},       {"(I2,K)", 1, 6989, " 1"},       {"(I2,I99999999999)", 1, 6991, " 1"},
    };
    int file_number = 0;
    for (const ErrorCase& c : cases) {
        reopen("case" + std::to_string(++file_number) + ".txt");
        std::vector<Item> items(static_cast<size_t>(c.items), Item{std::int32_t{1}});
        EXPECT_EQ(write(c.format, items), c.error) << c.format;
        // A record cut short by the error is ended, so later records stand apart.
        const std::string before = c.before;
        const std::string expected = before.empty() || before.ends_with("\r\n") ? before : before + "\r\n";
        EXPECT_EQ(written(), expected) << c.format;
    }
}

TEST_F(WriteStatement, ItemsMeetingTheWrongDataItemOrNoneFail)
{
    EXPECT_EQ(write("(I5)", {1.5}), 6206);
    EXPECT_EQ(write("(E10.3)", {1}), 6207);
    EXPECT_EQ(write("(I2,L3)", {1, 2}), 6207);
    EXPECT_EQ(write("('only text')", {1}), 6207);
    EXPECT_EQ(write("(2('x'/))", {1.0}), 6206);      // nothing to revert to
    EXPECT_EQ(write("(I2,2('y'/))", {1, 2}), 6207);  // the reverted group takes no item
    EXPECT_EQ(written(), " 1\r\nonly text\r\nx\r\nx\r\n 1y\r\ny\r\n");
}

}  // namespace

namespace {

using namespace writer_testing;

using LongRecords = WriterFile;

// Records longer than the unit's buffer.
TEST_F(LongRecords, FieldsAndLiteralsBeyondEveryBufferKeepTheirOrder)
{
    std::vector<Item> items;
    std::string expected;
    for (int i = 0; i < 400; ++i) {
        items.emplace_back(std::int32_t{i});
        const std::string digits = std::to_string(i);
        expected += blanks(25 - static_cast<int>(digits.size()));
        expected += digits;
    }
    expected += "\r\n";
    const std::string piece(2000, 'y');
    ASSERT_EQ(write("(400I25)", items), 0);
    ASSERT_EQ(write("(3('" + piece + "'),I3)", {7}), 0);
    expected += piece;
    expected += piece;
    expected += piece;
    expected += "  7\r\n";
    EXPECT_EQ(written(), expected);
}

// Fields placed straight in the unit's buffer and fields that straddle its
// end, in one record of 6600 characters, against the same fields printed
// one by one (values with fewer decimal digits than shown, so that no
// rounding is involved).
TEST_F(LongRecords, FieldsAcrossTheBufferEndsKeepTheirColumns)
{
    std::vector<Item> items;
    std::string expected;
    char field[64];
    for (int i = 0; i < 120; ++i) {
        const double value = (2 * i - 101) * 0.125 * std::ldexp(1.0, i % 5 * 3 - 6);
        items.emplace_back(std::int32_t{i * 1000 - 7});
        items.emplace_back(value);
        items.emplace_back(-value);
        std::snprintf(field, sizeof field, "%10d%20.9E%25.15E", i * 1000 - 7, value, -value);
        expected += field;
    }
    ASSERT_EQ(write("(120(I10,1P,E20.9,E25.15))", items), 0);
    EXPECT_EQ(written(), expected + "\r\n");
}

}  // namespace
