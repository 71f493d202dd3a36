#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "textio/format/format_steps.h"

namespace {

using textio::format::FormatStep;
using Steps = std::vector<FormatStep>;

textio::format::CompiledFormat compiled(std::string_view text)
{
    textio::format::CompiledFormat format;
    textio::format::compile_format(text, format);
    return format;
}

Steps steps_of(std::string_view text) { return compiled(text).steps; }

// A step as the compiler leaves it: numbers not given keep the defaults w 0, d 1, e 2.
FormatStep step(std::uint8_t code, std::int32_t repeat = 1, std::int32_t w = 0, std::int32_t d = 1, std::int32_t e = 2,
                std::uint8_t sub_code = textio::extended_none)
{
    FormatStep result;
    result.item.code = code;
    result.item.sub_code = sub_code;
    result.repeat = repeat;
    result.item.w = w;
    result.item.d = d;
    result.item.e = e;
    return result;
}

// Control items: P, T, TL, TR, X, literals, the end of the format, a syntax error.
FormatStep scale_step(std::int32_t k) { return {.item = {.code = textio::item_scale, .scale = k}}; }
FormatStep columns_step(std::uint8_t code, std::int32_t columns)
{
    return {.item = {.code = code}, .columns = columns};
}
FormatStep literal_step(std::int32_t offset, std::int32_t length)
{
    return {.item = {.code = textio::item_literal}, .literal_offset = offset, .literal_length = length};
}
FormatStep end_reverting_to(std::int32_t target)
{
    return {.item = {.code = textio::item_format_end}, .reversion_target = target};
}
FormatStep error_step(int number) { return {.item = {.code = textio::item_format_error}, .error = {'F', number}}; }

TEST(FormatCompiler, ProgramFormatGivesOneStepPerItem)
{
    using namespace textio;
    // I5; the group repeated 4 times; 1P; E25.15; its close; the end, reverting to the group.
    EXPECT_EQ(steps_of("(I5,4(1P,E25.15))"),
              (Steps{step(item_integer, 1, 5), step(item_group_open, 4), scale_step(1), step(item_real_e, 1, 25, 15),
                     step(item_group_close), end_reverting_to(1)}));
    // Blanks anywhere outside literals, lower case, commas left out.
    EXPECT_EQ(steps_of("( i 5 , 4 ( 1pe2 5.1 5 ) )"), steps_of("(I5,4(1P,E25.15))"));
}

TEST(FormatCompiler, TextAfterTheOuterParenthesisIsIgnored)
{
    const auto both = compiled("(1P,E18.10,T20,' = a')(1P,E18.10,T20,' = b')");
    EXPECT_EQ(both.steps, steps_of("(1P,E18.10,T20,' = a')"));
    EXPECT_EQ(both.literals, " = a");
    EXPECT_EQ(steps_of("(I3)junk"), steps_of("(I3)"));
}

TEST(FormatCompiler, LiteralsLargeNumbersAndSignedScaleFactors)
{
    using namespace textio;
    // 'it''s': length 4, the doubled delimiter once; no data item, so no reversion.
    const auto literal = compiled("('it''s')");
    EXPECT_EQ(literal.steps, (Steps{literal_step(0, 4), end_reverting_to(-1)}));
    EXPECT_EQ(literal.literals, "it's");
    EXPECT_EQ(steps_of("(2Hab)"), steps_of("('ab')"));
    EXPECT_EQ(compiled("(2Hab)").literals, "ab");
    // Literals follow each other in the literal bytes.
    const auto two = compiled("('ab',I2,'cde')");
    EXPECT_EQ(two.literals, "abcde");
    EXPECT_EQ(two.steps[2], literal_step(2, 3));
    EXPECT_EQ(steps_of("(I121)"), (Steps{step(item_integer, 1, 121), end_reverting_to(0)}));
    EXPECT_EQ(steps_of("(-2P,X,3X,T7,TL2)"),
              (Steps{scale_step(-2), columns_step(item_tab_right, 1), columns_step(item_tab_right, 3),
                     columns_step(item_tab, 7), columns_step(item_tab_left, 2), end_reverting_to(-1)}));
    EXPECT_EQ(steps_of("(ES12.4E3)"),
              (Steps{step(item_extended, 1, 12, 4, 3, extended_scientific), end_reverting_to(0)}));
    EXPECT_EQ(steps_of("(E12.4D3)"),
              (Steps{step(item_extended, 1, 12, 4, 3, extended_real_e_d_letter), end_reverting_to(0)}));
}

TEST(FormatCompiler, ReversionLeadsBackToTheLastOuterGroupOrTheFirstItem)
{
    // (I2,2(1X,I2)): back to the group at step 1.
    EXPECT_EQ(steps_of("(I2,2(1X,I2))").back(), end_reverting_to(1));
    // The last group opened at the outer level, not one inside it.
    EXPECT_EQ(steps_of("(I2,(I3),2(I4,(I5)))").back(), end_reverting_to(4));
    // No group: back to the first item.
    EXPECT_EQ(steps_of("('x',I5)").back(), end_reverting_to(0));
    // The reverted part has no data item: no reversion.
    EXPECT_EQ(steps_of("(I5,2('x'/))").back(), end_reverting_to(-1));
}

TEST(FormatCompiler, SyntaxErrorTakesThePlaceOfTheFaultyItem)
{
    using textio::item_integer;
    EXPECT_EQ(steps_of("(I5,E10)"), (Steps{step(item_integer, 1, 5), error_step(6987)}));
    EXPECT_EQ(steps_of("I5"), (Steps{error_step(6981)}));
    EXPECT_EQ(steps_of("('abc"), (Steps{error_step(6988)}));
}

}  // namespace
