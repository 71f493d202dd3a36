#include <gtest/gtest.h>

#include <climits>

#include "field.h"

namespace {

using namespace textio;

TEST(RenderInteger, IFieldsOfTheProgram)
{
    struct Row {
        std::int32_t value;
        const char* i5;
        const char* i9;
        const char* i10;
    };
    const Row rows[] = {
        {7, "    7", "        7", "         7"},      {0, "    0", "        0", "         0"},
        {-42, "  -42", "      -42", "       -42"},    {50, "   50", "       50", "        50"},
        {123456, "*****", "   123456", "    123456"}, {-12345, "*****", "   -12345", "    -12345"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(integer_field(row.value, item_of(item_integer, 5)), row.i5);
        EXPECT_EQ(integer_field(row.value, item_of(item_integer, 9)), row.i9);
        EXPECT_EQ(integer_field(row.value, item_of(item_integer, 10)), row.i10);
    }
}

TEST(RenderInteger, MostNegativeValueNeedsElevenCharacters)
{
    EXPECT_EQ(integer_field(INT_MIN, item_of(item_integer, 10)), "**********");
    EXPECT_EQ(integer_field(INT_MIN, item_of(item_integer, 11)), "-2147483648");
}

TEST(RenderInteger, MinimumDigitsAndPlusSign)
{
    EXPECT_EQ(integer_field(42, item_of(item_integer, 6, 4)), "  0042");
    EXPECT_EQ(integer_field(-42, item_of(item_integer, 6, 4)), " -0042");
    EXPECT_EQ(integer_field(0, item_of(item_integer, 3, 0)), "   ");
    EditState plus = item_of(item_integer, 4);
    plus.plus_sign = true;
    EXPECT_EQ(integer_field(7, plus), "  +7");
    EXPECT_EQ(integer_field(0, plus), "  +0");
    plus.d = 0;
    EXPECT_EQ(integer_field(0, plus), "    ");
}

TEST(RenderInteger, GeneralActsAsIAndBitFormsShowTheTwosComplement)
{
    EXPECT_EQ(integer_field(-42, item_of(item_general, 6, 3)), "   -42");
    EXPECT_EQ(integer_field(255, item_of(item_hexadecimal, 4)), "  FF");
    EXPECT_EQ(integer_field(-1, item_of(item_hexadecimal, 8)), "FFFFFFFF");
    EXPECT_EQ(integer_field(5, item_of(item_extended, 6, 4, 0, 2, extended_binary)), "  0101");
    EXPECT_EQ(integer_field(8, item_of(item_extended, 3, 1, 0, 2, extended_octal)), " 10");
}

TEST(RenderText, LogicalAndCharacters)
{
    char text[field_buffer_size];
    EXPECT_EQ(justified(text, render_logical(true, item_of(item_logical, 3), text), 3), "  T");
    EXPECT_EQ(justified(text, render_logical(false, item_of(item_logical, 1), text), 1), "F");
    EXPECT_EQ(justified(text, render_characters("abc", 3, item_of(item_characters, 5), text), 5), "  abc");
    EXPECT_EQ(justified(text, render_characters("abcdef", 6, item_of(item_characters, 2), text), 2), "ab");
    EXPECT_EQ(std::string(text, static_cast<size_t>(render_characters("xyz", 3, item_of(item_characters, 0), text))),
              "xyz");
}

}  // namespace
