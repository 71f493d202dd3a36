#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textio/format/format_code.h"

namespace {

std::vector<unsigned char> compiled(const std::string& text)
{
    std::vector<unsigned char> code;
    textio::format::compile_format(text.data(), static_cast<std::ptrdiff_t>(text.size()), code);
    return code;
}

using Bytes = std::vector<unsigned char>;

TEST(FormatCompiler, ProgramFormatGivesItsThirteenBytes)
{
    EXPECT_EQ(compiled("(I5,4(1P,E25.15))"),
              (Bytes{0x48, 0x05, 0x2E, 0x04, 0x23, 0x01, 0x8A, 0x19, 0x0F, 0x1A, 0x1E, 0x09, 0x00}));
    // Blanks anywhere outside literals, lower case, commas left out.
    EXPECT_EQ(compiled("( i 5 , 4 ( 1pe2 5.1 5 ) )"), compiled("(I5,4(1P,E25.15))"));
}

TEST(FormatCompiler, TextAfterTheOuterParenthesisIsIgnored)
{
    EXPECT_EQ(compiled("(1P,E18.10,T20,' = a')(1P,E18.10,T20,' = b')"), compiled("(1P,E18.10,T20,' = a')"));
    std::vector<unsigned char> code;
    textio::format::compile_format("(I3)junk", -1, code);
    EXPECT_EQ(code, compiled("(I3)"));
}

TEST(FormatCompiler, LiteralsLargeNumbersAndSignedScaleFactors)
{
    // 'it''s': length 4, doubled delimiter once; end op distance 0 (no data item).
    EXPECT_EQ(compiled("('it''s')"), (Bytes{0x22, 0x04, 'i', 't', '\'', 's', 0x1E, 0x00, 0x00}));
    EXPECT_EQ(compiled("(2Hab)"), compiled("('ab')"));
    EXPECT_EQ(compiled("(I121)"), (Bytes{0x48, 0x7F, 0x79, 0x00, 0x00, 0x00, 0x1E, 0x07, 0x00}));
    EXPECT_EQ(compiled("(-2P,X,3X)"), (Bytes{0x23, 0xFE, 0x5D, 0x01, 0x5D, 0x03, 0x1E, 0x00, 0x00}));
    EXPECT_EQ(compiled("(ES12.4E3)"), (Bytes{0xCF, 0x01, 0x0C, 0x04, 0x03, 0x1E, 0x06, 0x00}));
    EXPECT_EQ(compiled("(E12.4D3)"), (Bytes{0xCF, 0x06, 0x0C, 0x04, 0x03, 0x1E, 0x06, 0x00}));
}

TEST(FormatCompiler, ReversionLeadsBackToTheLastOuterGroupOrTheFirstItem)
{
    // (I2,2(1X,I2)): 48 02 2E 02 5D 01 48 02 1A 1E dd dd; back from offset 10 to 2.
    const auto code = compiled("(I2,2(1X,I2))");
    EXPECT_EQ(code[9], 0x1E);
    EXPECT_EQ(code[10], 8);
    // No group: back to the first item.
    const auto plain = compiled("('x',I5)");
    EXPECT_EQ(plain[plain.size() - 2], plain.size() - 2);
    // The reverted part has no data item: no reversion.
    const auto tail = compiled("(I5,2('x'/))");
    EXPECT_EQ(tail[tail.size() - 2], 0);
}

TEST(FormatCompiler, SyntaxErrorTakesThePlaceOfTheFaultyItem)
{
    EXPECT_EQ(compiled("(I5,E10)"), (Bytes{0x48, 0x05, 0x1F, 0x4B, 0x1B}));  // 6987
    EXPECT_EQ(compiled("I5"), (Bytes{0x1F, 0x45, 0x1B}));                    // 6981
    EXPECT_EQ(compiled("('abc"), (Bytes{0x1F, 0x4C, 0x1B}));                 // 6988
}

}  // namespace
