#pragma once
// The token of one value and the state that gathering keeps across the values
// of one read statement.

#include <cstdint>
#include <string_view>

namespace textio::listread {

// Longest value a statement accepts, in characters; a longer one is error
// value_too_long.
inline constexpr int token_capacity = 512;

enum class TokenMode : std::uint8_t { plain, parenthesised, quoted };

struct Token {
    char text[token_capacity];
    int length = 0;
    TokenMode mode = TokenMode::plain;
    char quote_char = 0;
    int comma_pos = -1;  // position of the comma of a parenthesised token

    std::string_view view() const { return {text, static_cast<std::size_t>(length)}; }
    bool is_null() const { return length == 0 && mode == TokenMode::plain; }
};

// The separator that ended a value.
enum class Separator : char { comma = ',', blank = ' ', slash = '/' };

struct GatherState {
    Token token;
    std::int32_t repeat_left = 0;  // further items that receive the token again
    Separator last_separator = Separator::comma;
    bool ended_at_record_end = false;  // the last value's line has already been left

    void begin_statement()
    {
        repeat_left = 0;
        last_separator = Separator::comma;
        ended_at_record_end = false;
        token.length = 0;
        token.mode = TokenMode::plain;
        token.comma_pos = -1;
    }
    // A slash ended the input of the statement.
    bool input_ended() const { return last_separator == Separator::slash && repeat_left == 0; }
};

}  // namespace textio::listread
