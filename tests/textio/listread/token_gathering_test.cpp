// Token gathering: separators, null values, slash, repeat counts, records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process/error_numbers.h"
#include "support/text_byte_source.h"
#include "textio/listread/token_gatherer.h"

namespace textio::listread {
namespace {

using namespace process::errors;
using testing_support::TextByteSource;

// What one item of a statement received: a token text, or null, or the end
// of the input by a slash, or an error.
struct Gathered {
    std::vector<std::string> values;  // "<null>" for a null value, "<end>" after a slash
    process::RuntimeError error = no_error;
};

Gathered gather_items(int items, GatherState& state, TextByteSource& source)
{
    Gathered result;
    state.begin_statement();
    for (int i = 0; i < items; ++i) {
        if (state.input_ended()) {
            result.values.push_back("<end>");
            continue;
        }
        if ((result.error = gather_token(source, state))) break;
        result.values.push_back(state.token.is_null() ? "<null>" : std::string(state.token.view()));
    }
    return result;
}

Gathered gather_items(std::string_view text, int items)
{
    GatherState state;
    TextByteSource source(text);
    return gather_items(items, state, source);
}

using Values = std::vector<std::string>;

TEST(TokenGathering, BlanksTabsCommasAndLineEndsSeparateValues)
{
    EXPECT_EQ(gather_items("1 2,3\t4\n5", 5).values, (Values{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(gather_items("\n  \r\n\t 50  theta\n", 1).values, Values{"50"});
    // A comma after a blank-ended value is the same separator, not a second.
    EXPECT_EQ(gather_items("1 , 2", 2).values, (Values{"1", "2"}));
    EXPECT_EQ(gather_items("1\n, 2", 2).values, (Values{"1", "2"}));
}

TEST(TokenGathering, CommasEncloseNullValues)
{
    EXPECT_EQ(gather_items(",7", 2).values, (Values{"<null>", "7"}));
    EXPECT_EQ(gather_items("1,,2", 3).values, (Values{"1", "<null>", "2"}));
    EXPECT_EQ(gather_items("1 ,, 2", 3).values, (Values{"1", "<null>", "2"}));
    // A line end after a comma is no value: the next line holds it.
    EXPECT_EQ(gather_items("1,\n2", 2).values, (Values{"1", "2"}));
}

TEST(TokenGathering, SlashEndsTheInputOfTheStatement)
{
    EXPECT_EQ(gather_items("/ 7", 2).values, (Values{"<null>", "<end>"}));
    EXPECT_EQ(gather_items("1/2", 3).values, (Values{"1", "<end>", "<end>"}));
    EXPECT_EQ(gather_items("2*5/ 9", 3).values, (Values{"5", "5", "<end>"}));
}

TEST(TokenGathering, RepeatCountsGiveTheValueToSeveralItems)
{
    EXPECT_EQ(gather_items("3*7 8", 4).values, (Values{"7", "7", "7", "8"}));
    EXPECT_EQ(gather_items("2* 5", 3).values, (Values{"<null>", "<null>", "5"}));
    EXPECT_EQ(gather_items("2*,5", 3).values, (Values{"<null>", "<null>", "5"}));
    // A count of one followed by a blank is a null value too, not a skip.
    EXPECT_EQ(gather_items("1* 5", 2).values, (Values{"<null>", "5"}));
}

TEST(TokenGathering, BadRepeatCountsAreErrors)
{
    EXPECT_EQ(gather_items("0*4", 1).error, repeat_count_below_one);
    EXPECT_EQ(gather_items("*4", 1).error, repeat_count_below_one);
    EXPECT_EQ(gather_items("-2*4", 1).error, repeat_count_below_one);
    EXPECT_EQ(gather_items("2*3*4", 1).error, second_repeat_count);
    EXPECT_EQ(gather_items("2.5*4", 1).error, bad_integer_character);
    EXPECT_EQ(gather_items("(2*4)", 1).error, token_kind_mismatch);
}

TEST(TokenGathering, LineEndsAndTheEndOfTheData)
{
    GatherState state;
    TextByteSource source("12\r\n34");
    EXPECT_EQ(gather_items(1, state, source).values, Values{"12"});
    EXPECT_TRUE(state.ended_at_record_end);
    // The last line needs no line end; after it the data are exhausted.
    EXPECT_EQ(gather_items(1, state, source).values, Values{"34"});
    EXPECT_TRUE(state.ended_at_record_end);
    EXPECT_EQ(gather_items(1, state, source).error, end_of_file_while_reading);

    // A carriage return without its line feed leaves the rest of the line.
    EXPECT_EQ(gather_items("1\rjunk\n2", 2).values, (Values{"1", "2"}));
    EXPECT_EQ(gather_items("  \n\t\n", 1).error, end_of_file_while_reading);
    EXPECT_EQ(gather_items(std::string_view{}, 1).error, end_of_file_while_reading);
    // A repeat count at the end of the data gives null values.
    EXPECT_EQ(gather_items("2*", 2).values, (Values{"<null>", "<null>"}));
}

TEST(TokenGathering, RepeatCountAtLineEndLeavesOnlyItsOwnLine)
{
    GatherState state;
    TextByteSource source("2*\n5\n");
    EXPECT_EQ(gather_items(1, state, source).values, Values{"<null>"});
    EXPECT_TRUE(state.ended_at_record_end);  // so the next line is not skipped
}

TEST(TokenGathering, ParenthesisedTokensKeepTheirComma)
{
    GatherState state;
    TextByteSource source("( 1.5 ,\n -2 ) , 3");
    EXPECT_EQ(gather_items(2, state, source).values, (Values{"1.5,-2", "3"}));
    EXPECT_EQ(gather_items("(1,2)", 1).values, Values{"1,2"});
    state.begin_statement();
    TextByteSource one("(1,2)");
    ASSERT_EQ(gather_token(one, state), no_error);
    EXPECT_EQ(state.token.mode, TokenMode::parenthesised);
    EXPECT_EQ(state.token.comma_pos, 1);
}

TEST(TokenGathering, ParenthesesAndQuotesOpenOnlyAnEmptyToken)
{
    // A second parenthesis is not stored; a quote inside parentheses opens a
    // string; a comma after "(" still joins the blank before it.
    const struct {
        const char* text;
        int items;
        Values values;
        TokenMode last_mode;
    } cases[] = {
        {"((1,2))", 1, {"1,2"}, TokenMode::parenthesised},
        {"( (1,2)", 1, {"1,2"}, TokenMode::parenthesised},
        {"('ab')", 1, {"ab"}, TokenMode::quoted},
        {"( 'a,b') 3", 2, {"a,b", "3"}, TokenMode::plain},
        {"1 (,2)", 2, {"1", "2"}, TokenMode::parenthesised},
        {"1 (,,2)", 2, {"1", ",2"}, TokenMode::parenthesised},
        {"1,(,2)", 2, {"1", ",2"}, TokenMode::parenthesised},
        {"a(b) 'c'd'", 2, {"a(b)", "c"}, TokenMode::quoted},
    };
    for (const auto& c : cases) {
        GatherState state;
        TextByteSource source(c.text);
        EXPECT_EQ(gather_items(c.items, state, source).values, c.values) << c.text;
        EXPECT_EQ(state.token.mode, c.last_mode) << c.text;
    }
    GatherState state;
    TextByteSource source("1 (,2)");
    gather_items(2, state, source);
    EXPECT_EQ(state.token.comma_pos, -1) << "the joined comma is not the comma of the value";
}

TEST(TokenGathering, TheEndOfTheDataLeavesAStringOrParenthesisOpen)
{
    for (const char* text : {"(1,2", "(1.0", "(", "'abc", "'", "\"ab''", "(1,\n2\n", "'ab\ncd", "('ab"})
        EXPECT_EQ(gather_items(text, 1).error, end_of_file_while_reading) << text;
    // Closed before the end: the value is whole.
    EXPECT_EQ(gather_items("(1,2)", 1).values, Values{"1,2"});
    EXPECT_EQ(gather_items("'abc'", 1).values, Values{"abc"});
}

TEST(TokenGathering, QuotedTokensHoldSeparatorsAndDoubledQuotes)
{
    EXPECT_EQ(gather_items("'it''s, a/b' x", 2).values, (Values{"it's, a/b", "x"}));
    EXPECT_EQ(gather_items("\"ab\"/ x", 2).values, (Values{"ab", "<end>"}));
    EXPECT_EQ(gather_items("'ab',, 3", 3).values, (Values{"ab", "<null>", "3"}));
    // The string goes on in the next line.
    EXPECT_EQ(gather_items("'ab\ncd' 3", 2).values, (Values{"abcd", "3"}));
    // A line end after the closing quote is still the end of the line.
    GatherState state;
    TextByteSource source("'ab'\n7");
    gather_items(1, state, source);
    skip_rest_of_record(source);
    EXPECT_EQ(gather_items(1, state, source).values, Values{"7"});
}

TEST(TokenGathering, TokensAreBoundedByTheBuffer)
{
    const std::string longest(token_capacity, '7');
    EXPECT_EQ(gather_items(longest + " 1", 2).values, (Values{longest, "1"}));
    EXPECT_EQ(gather_items(longest + "7", 1).error, value_too_long);
    EXPECT_EQ(gather_items("'" + std::string(token_capacity + 1, 'a') + "'", 1).error, value_too_long);
}

}  // namespace
}  // namespace textio::listread
