#include "textio/listread/token_gatherer.h"
#include "process/error_numbers.h"

#include "textio/listread/integer_conversion.h"

namespace textio::listread {

namespace errors = process::errors;

namespace {

constexpr int line_feed = '\n';
constexpr int carriage_return = '\r';

bool is_record_end(int c) { return c == line_feed || c == carriage_return; }

// The repeat count r of "r*" is the text gathered so far, read as an integer.
process::RuntimeError take_repeat_count(GatherState& state)
{
    Token& token = state.token;
    if (token.mode != TokenMode::plain) return errors::token_kind_mismatch;
    std::int32_t count = 0;
    if (const process::RuntimeError error = convert_integer_text(token.view(), 4, count)) return error;
    if (count < 1) return errors::repeat_count_below_one;
    state.repeat_left = count - 1;
    token.length = 0;
    return errors::no_error;
}

// After the closing quote: the next character is the separator; a line end
// is put back so that the end of the record is still seen.
Separator separator_after_quote(ByteSource& source)
{
    const int c = source.read_byte();
    if (c == ',') return Separator::comma;
    if (c == '/') return Separator::slash;
    if (is_record_end(c)) source.unread_byte();
    return Separator::blank;
}

}  // namespace

void skip_rest_of_record(ByteSource& source)
{
    for (int c = source.read_byte(); c >= 0 && c != line_feed; c = source.read_byte()) {}
}

process::RuntimeError gather_token(ByteSource& source, GatherState& state)
{
    if (state.repeat_left > 0) {
        --state.repeat_left;
        return errors::no_error;
    }
    Token& token = state.token;
    token.length = 0;
    token.mode = TokenMode::plain;
    token.comma_pos = -1;
    state.ended_at_record_end = false;
    // A repeat count was taken for this value: a separator right after it
    // ends a null value instead of being skipped.
    bool after_count = false;

    auto end_token = [&](Separator separator) {
        state.last_separator = separator;
        return errors::no_error;
    };
    auto append = [&](int c) {
        if (token.length == token_capacity) return false;
        token.text[token.length++] = static_cast<char>(c);
        return true;
    };

    for (;;) {
        const int c = source.read_byte();
        if (c < 0) {
            // The last line needs no line end: a plain value begun ends
            // there. A string or a parenthesised value goes on over line
            // ends, and the end of the file leaves it open.
            if (token.mode == TokenMode::plain && (token.length > 0 || after_count)) {
                state.ended_at_record_end = true;
                return end_token(Separator::blank);
            }
            return errors::end_of_file_while_reading;
        }
        if (is_record_end(c)) {
            if (c == carriage_return) skip_rest_of_record(source);
            if (token.mode != TokenMode::plain) continue;  // strings and (re,im) go on
            if (token.length > 0 || after_count) {
                state.ended_at_record_end = true;
                return end_token(Separator::blank);
            }
            continue;  // blank lines while a value is sought
        }
        if (token.mode == TokenMode::quoted) {
            if (c == token.quote_char) {
                const int next = source.read_byte();
                if (next != token.quote_char) {
                    if (next >= 0) source.unread_byte();
                    return end_token(separator_after_quote(source));
                }
            }
            if (!append(c)) return errors::value_too_long;
            continue;
        }
        switch (c) {
        case ' ':
        case '\t':
            if (token.mode == TokenMode::parenthesised) continue;
            if (token.length == 0 && !after_count) continue;
            return end_token(Separator::blank);
        case '(':
            // Also a second one: "((1,2))" is the value of "(1,2)".
            if (token.length == 0) {
                token.mode = TokenMode::parenthesised;
                continue;
            }
            break;
        case ')':
            if (token.mode == TokenMode::parenthesised) return end_token(Separator::blank);
            break;
        case '\'':
        case '"':
            // Also inside parentheses: "('ab')" is the string ab.
            if (token.length == 0) {
                token.mode = TokenMode::quoted;
                token.quote_char = static_cast<char>(c);
                continue;
            }
            break;
        case '*':
            if (after_count) return errors::second_repeat_count;
            if (const process::RuntimeError error = take_repeat_count(state)) return error;
            after_count = true;
            continue;
        case ',':
            // Joining comes first, even after an opening parenthesis: in
            // "1 (,2)" the comma joins the blank and the value is "(2)".
            if (token.length == 0 && !after_count && state.last_separator == Separator::blank) {
                state.last_separator = Separator::comma;  // blank and comma: one separator
                continue;
            }
            if (token.mode == TokenMode::parenthesised) {
                token.comma_pos = token.length;
                break;
            }
            return end_token(Separator::comma);
        case '/': return end_token(Separator::slash);
        default: break;
        }
        if (!append(c)) return errors::value_too_long;
    }
}

}  // namespace textio::listread
