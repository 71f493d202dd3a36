// The messages of the reading errors of "dados.txt": the line, the value's
// name, the text found and what was expected, each in the report's message
// line after the unchanged frame.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/driver.h"
#include "process/runtime_error.h"
#include "support/files.h"
#include "support/scratch_folder.h"
#include "support/stopped_run.h"
#include "textio/units/unit.h"

namespace driver {
namespace {

using testing_support::Stopped;

struct Case {
    const char* name;
    std::string file;
    int number;
    std::string message;  // the report's line after "- ", exactly
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class ReadingMessage : public testing_support::StoppedRun, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        reset_simulation_state();
        StoppedRun::SetUp();
    }
    const testing_support::WorkingFolder inside_{testing_support::make_scratch_folder("reading_message")};
};

TEST_P(ReadingMessage, NamesTheLineTheValueAndTheTextFound)
{
    const Case c = GetParam();
    testing_support::write_file("dados.txt", c.file);
    try {
        ler_dados();
        FAIL() << "read without an error";
    } catch (const Stopped& stop) {
        EXPECT_EQ(stop.number, c.number);
        const std::string frame = "\r\nrun-time error F" + std::to_string(c.number) + ": READ(dados.txt)\r\n- ";
        EXPECT_EQ(stop.report, frame + c.message + "\r\n");
    }
}

const std::string real_expected = "is a real number with a decimal point, as in 0.5, 100 or 1.5e-3";
const std::string integer_expected =
    "is an integer: digits only, with an optional sign, no decimal point and no exponent, as in 20";

INSTANTIATE_TEST_SUITE_P(
    Errors, ReadingMessage,
    ::testing::Values(
        Case{"word_for_a_real", "20\n200\nabc  tf\n", 6103,
             "invalid real number on line 3 of dados.txt (tf): 'abc'; tf " + real_expected},
        Case{"after_blank_lines", "20\r\n200\r\n\r\n\r\n0.1\r\n0.5!\r\n", 6103,
             "invalid real number on line 6 of dados.txt (theta): '0.5!'; theta " + real_expected},
        Case{"last_line_without_its_end", "20\n200\n0.1\n0.5\n1\n1\n0\nx", 6103,
             "invalid real number on line 8 of dados.txt (Tb): 'x'; Tb " + real_expected},
        Case{"real_for_an_integer", "20.5  N\n", 6101,
             "character not allowed in an integer on line 1 of dados.txt (N): '20.5'; N " + integer_expected},
        Case{"integer_too_large", "20\n3000000000\n", 6100,
             "integer out of range on line 2 of dados.txt (nt): '3000000000'; nt must lie between "
             "-2147483648 and 2147483647"},
        Case{"real_too_large", "20\n200\n1e400\n", 6102,
             "real number too large on line 3 of dados.txt (tf): '1e400'; the largest real value is about "
             "1.8e308"},
        Case{"quoted", "20\n200\n'0.1'\n", 6504,
             "quoted or parenthesised value on line 3 of dados.txt (tf): '0.1'; tf " + real_expected},
        Case{"too_few_values", "20\n200\n", 6501,
             "end of dados.txt on line 3 without the value of tf; dados.txt holds 8 values, one per line: N, nt, "
             "tf, theta, alpha, L, Ta, Tb"},
        // A comma between two digits: a decimal comma or a thousands
        // separator, never two values.
        Case{"decimal_comma", "20\n200\n0.1\n1,5e-4,theta\n", 6103,
             "decimal comma on line 4 of dados.txt (theta): '1,5e-4'; write a decimal point: 1.5e-4"},
        Case{"thousands_separator", "1,000  N\n", 6101,
             "comma in an integer on line 1 of dados.txt (N): '1,000'; N is an integer written without separators, "
             "as in 1000"},
        Case{"utf16_with_its_mark",
             std::string("\xFF\xFE"
                         "2\0"
                         "0\0"
                         "\r\0\n\0",
                         10),
             6101,
             "dados.txt is UTF-16 text (read on line 1, value of N); save dados.txt as ANSI or UTF-8 text "
             "(without BOM)"},
        Case{"utf16_without_a_mark",
             std::string("2\0"
                         "0\0"
                         "\n\0",
                         6),
             6101,
             "dados.txt is UTF-16 text (read on line 1, value of N); save dados.txt as ANSI or UTF-8 text "
             "(without BOM)"},
        Case{"control_bytes_shown_as_marks", "20\n200\n0.1\x01x\n", 6103,
             "invalid real number on line 3 of dados.txt (tf): '0.1?x'; tf " + real_expected}),
    [](const auto& info) { return std::string(info.param.name); });

// The reader keeps the line and text of every value for the checks; a
// UTF-8 byte-order mark at the start is passed over.
TEST_F(ReadingMessage, ValuesKeepTheirLineAndText)
{
    testing_support::write_file("dados.txt", "\xEF\xBB\xBF\n\n20 N\n200\n0 , 5\n,\n1\n1\n0\n0\n");
    ler_dados();
    const auto& valores = valores_lidos();
    EXPECT_EQ(valores[0].linha, 3);
    EXPECT_EQ(valores[0].texto, "20");
    EXPECT_EQ(valores[2].linha, 5);
    EXPECT_EQ(valores[2].texto, "0");
    EXPECT_EQ(valores[3].linha, 6);  // a null value
    EXPECT_EQ(valores[3].texto, "");
    EXPECT_EQ(valores[7].linha, 10);
}

}  // namespace
}  // namespace driver
