// Compiles a record format text into the steps of its items.
//
// A syntax error does not stop the statement at once: the error step takes
// the place of the faulty item, so the records before it are still written
// when the statement executes.

#include <cstdint>
#include <initializer_list>
#include <limits>

#include "process/error_numbers.h"
#include "textio/format/format_steps.h"

namespace textio::format {
namespace {

namespace errors = process::errors;

class FormatCompiler {
public:
    FormatCompiler(std::string_view text, CompiledFormat& compiled)
        : p_(text.data()), end_(text.data() + text.size()), steps_(compiled.steps), literals_(compiled.literals)
    {}

    void compile()
    {
        if (peek() != '(') return fail(errors::format_no_open_parenthesis);
        ++p_;
        while (compile_item()) {}
    }

private:
    // The next significant character (blanks and tabs skipped), upper case; -1 at the end.
    int peek()
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
        if (p_ == end_) return -1;
        const auto c = static_cast<unsigned char>(*p_);
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    }
    bool peek_digit()
    {
        const int c = peek();
        return c >= '0' && c <= '9';
    }

    // An unsigned number, blanks inside ignored; false (error placed) when too large.
    bool read_number(std::int32_t& value)
    {
        std::int64_t accumulated = 0;
        while (peek_digit()) {
            accumulated = accumulated * 10 + (*p_++ - '0');
            if (accumulated > std::numeric_limits<std::int32_t>::max()) {
                fail(errors::format_number_too_large);
                return false;
            }
        }
        value = static_cast<std::int32_t>(accumulated);
        return true;
    }
    // A number that must be there.
    bool require_number(std::int32_t& value)
    {
        if (!peek_digit()) {
            fail(errors::format_number_missing);
            return false;
        }
        return read_number(value);
    }

    FormatStep& put_step(std::uint8_t item, bool repeat_given, std::int32_t repeat,
                         std::initializer_list<std::int32_t> numbers, std::uint8_t sub_code = extended_none)
    {
        FormatStep& step = steps_.emplace_back();
        step.item.code = item;
        step.item.sub_code = sub_code;
        step.repeat = repeat_given ? repeat : 1;
        const std::int32_t* number = numbers.begin();
        if (numbers.size() > 0) step.item.w = number[0];
        if (numbers.size() > 1) step.item.d = number[1];
        if (numbers.size() > 2) step.item.e = number[2];
        return step;
    }
    // An item without a repeat count or numbers: control items.
    FormatStep& put_step(std::uint8_t item, std::uint8_t sub_code = extended_none)
    {
        return put_step(item, false, 0, {}, sub_code);
    }

    void fail(process::RuntimeError error) { put_step(item_format_error).error = error; }

    // Compiles one item; false when compilation has ended.
    bool compile_item()
    {
        int c = peek();
        if (c == ',') {
            ++p_;
            return true;
        }
        if (c == -1) {
            fail(errors::format_unterminated);
            return false;
        }
        int sign = 0;
        if (c == '+' || c == '-') {
            sign = c == '-' ? -1 : 1;
            ++p_;
            if (!peek_digit()) {
                fail(errors::format_number_missing);
                return false;
            }
        }
        std::int32_t number = 0;
        const bool has_number = peek_digit();
        if (has_number && !read_number(number)) return false;
        c = peek();
        if (sign != 0 && c != 'P') {
            fail(errors::format_zero_or_stray_sign);
            return false;
        }
        if (c == -1) {
            fail(errors::format_unterminated);
            return false;
        }
        ++p_;
        switch (c) {
        case 'P':
            if (!has_number) return fail(errors::format_h_or_p_without_number), false;
            put_step(item_scale).item.scale = sign < 0 ? -number : number;
            return true;
        case '(': return open_group(has_number, number);
        case ')':
            if (has_number) return fail(errors::format_repeat_not_allowed), false;
            return close_group();
        case '\'':
        case '"':
            if (has_number) return fail(errors::format_repeat_not_allowed), false;
            return quoted_literal(static_cast<char>(c));
        case 'H': return counted_literal(has_number, number);
        case 'T': return tab(has_number);
        case 'X':
            if (has_number && number == 0) return fail(errors::format_zero_or_stray_sign), false;
            put_step(item_tab_right).columns = has_number ? number : 1;
            return true;
        case '/':
            if (has_number && number == 0) return fail(errors::format_zero_or_stray_sign), false;
            put_step(item_slash, has_number, number, {});
            return true;
        case ':': return simple(item_colon, has_number);
        case '$':
        case '\\': return simple(item_no_advance, has_number);
        case 'Q':
            if (has_number) return fail(errors::format_repeat_not_allowed), false;
            put_step(item_extended, extended_remaining);
            return true;
        case 'S':
            if (peek() == 'P') {
                ++p_;
                return simple(item_sign_plus, has_number);
            }
            if (peek() == 'S') ++p_;
            return simple(item_sign_default, has_number);
        case 'B':
            if (peek() == 'N' || peek() == 'Z') {
                const bool zero = peek() == 'Z';
                ++p_;
                return simple(zero ? item_blank_zero : item_blank_null, has_number);
            }
            return integer_form(item_extended, extended_binary, has_number, number);
        case 'I': return integer_form(item_integer, extended_none, has_number, number);
        case 'Z': return integer_form(item_hexadecimal, extended_none, has_number, number);
        case 'O': return integer_form(item_extended, extended_octal, has_number, number);
        case 'E':
            if (peek() == 'S' || peek() == 'N') {
                const std::uint8_t sub = peek() == 'S' ? extended_scientific : extended_engineering;
                ++p_;
                return real_form(item_extended, sub, true, has_number, number);
            }
            return real_form(item_real_e, extended_none, true, has_number, number);
        case 'G': return real_form(item_general, extended_none, true, has_number, number);
        case 'D': return real_form(item_real_d, extended_none, false, has_number, number);
        case 'F': return real_form(item_fixed, extended_none, false, has_number, number);
        case 'L': {
            std::int32_t w;
            if (!data_repeat_ok(has_number, number) || !require_number(w)) return false;
            put_step(item_logical, has_number, number, {w});
            return data_item_placed();
        }
        case 'A': {
            if (!data_repeat_ok(has_number, number)) return false;
            std::int32_t w = 0;
            if (peek_digit()) {
                if (!read_number(w)) return false;
                put_step(item_characters, has_number, number, {w});
            } else {
                put_step(item_characters, has_number, number, {});
            }
            return data_item_placed();
        }
        default: fail(errors::format_bad_character); return false;
        }
    }

    bool simple(std::uint8_t item, bool has_number)
    {
        if (has_number) return fail(errors::format_repeat_not_allowed), false;
        put_step(item);
        return true;
    }

    bool data_repeat_ok(bool has_number, std::int32_t number)
    {
        if (has_number && number == 0) return fail(errors::format_zero_or_stray_sign), false;
        return true;
    }
    bool data_item_placed()
    {
        has_data_since_target_ = true;
        return true;
    }

    bool open_group(bool has_number, std::int32_t number)
    {
        if (!data_repeat_ok(has_number, number)) return false;
        if (++depth_ > group_depth_limit) return fail(errors::format_nested_too_deep), false;
        if (depth_ == 1) {
            reversion_target_ = static_cast<std::int32_t>(steps_.size());
            has_data_since_target_ = false;
        }
        put_step(item_group_open, has_number, number, {});
        return true;
    }

    bool close_group()
    {
        if (depth_ > 0) {
            --depth_;
            put_step(item_group_close);
            return true;
        }
        // The outer parenthesis: the end, leading back to the reversion
        // target (-1: the format cannot revert).
        put_step(item_format_end).reversion_target = has_data_since_target_ ? reversion_target_ : -1;
        return false;
    }

    bool quoted_literal(char delimiter)
    {
        std::size_t length = 0;
        // Measure first (doubled delimiters count once), then copy.
        const char* q = p_;
        for (;;) {
            if (q == end_) return fail(errors::format_unterminated), false;
            if (*q == delimiter) {
                if (q + 1 < end_ && q[1] == delimiter) {
                    q += 2;
                    ++length;
                    continue;
                }
                break;
            }
            ++q;
            ++length;
        }
        if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            return fail(errors::format_number_too_large), false;
        put_literal(static_cast<std::int32_t>(length));
        while (p_ < q) {
            literals_.push_back(*p_);
            p_ += *p_ == delimiter ? 2 : 1;
        }
        ++p_;  // closing delimiter
        return true;
    }

    // A literal of `length` bytes, which the caller appends.
    void put_literal(std::int32_t length)
    {
        FormatStep& step = put_step(item_literal);
        step.literal_offset = static_cast<std::int32_t>(literals_.size());
        step.literal_length = length;
    }

    bool counted_literal(bool has_number, std::int32_t count)
    {
        if (!has_number) return fail(errors::format_h_or_p_without_number), false;
        if (count == 0) return fail(errors::format_zero_or_stray_sign), false;
        if (end_ - p_ < count) return fail(errors::format_unterminated), false;
        put_literal(count);
        literals_.append(p_, static_cast<std::size_t>(count));
        p_ += count;
        return true;
    }

    bool tab(bool has_number)
    {
        std::uint8_t item = item_tab;
        if (peek() == 'L' || peek() == 'R') {
            item = peek() == 'L' ? item_tab_left : item_tab_right;
            ++p_;
        }
        if (has_number) return fail(errors::format_repeat_not_allowed), false;
        std::int32_t n;
        if (!require_number(n)) return false;
        if (n == 0) return fail(errors::format_zero_or_stray_sign), false;
        put_step(item).columns = n;
        return true;
    }

    // Iw[.m], Zw[.m], Bw[.m], Ow[.m].
    bool integer_form(std::uint8_t item, std::uint8_t sub, bool has_number, std::int32_t repeat)
    {
        std::int32_t w, m;
        if (!data_repeat_ok(has_number, repeat) || !require_number(w)) return false;
        if (peek() == '.') {
            ++p_;
            if (!require_number(m)) return false;
            if (m > w) return fail(errors::format_m_exceeds_w), false;
            put_step(item, has_number, repeat, {w, m}, sub);
        } else {
            put_step(item, has_number, repeat, {w}, sub);
        }
        return data_item_placed();
    }

    // Ew.d[Ee|De], Gw.d[Ee|De], ESw.d[Ee], ENw.d[Ee], Dw.d, Fw.d.
    bool real_form(std::uint8_t item, std::uint8_t sub, bool exponent_allowed, bool has_number, std::int32_t repeat)
    {
        std::int32_t w, d, e;
        if (!data_repeat_ok(has_number, repeat) || !require_number(w)) return false;
        if (peek() != '.') return fail(errors::format_d_missing), false;
        ++p_;
        if (!require_number(d)) return false;
        const bool scientific_kind = item == item_extended;
        if (scientific_kind && d > w) return fail(errors::format_d_exceeds_w), false;
        if (exponent_allowed && (peek() == 'E' || (peek() == 'D' && !scientific_kind))) {
            const bool d_letter = peek() == 'D';
            ++p_;
            if (!require_number(e)) return false;
            if (scientific_kind && e == 0) return fail(errors::format_zero_exponent_width), false;
            if (d_letter) {
                sub = item == item_general ? extended_general_d_letter : extended_real_e_d_letter;
                item = item_extended;
            }
            put_step(item, has_number, repeat, {w, d, e}, sub);
        } else {
            put_step(item, has_number, repeat, {w, d}, sub);
        }
        return data_item_placed();
    }

    const char* p_;
    const char* end_;
    std::vector<FormatStep>& steps_;
    std::string& literals_;
    std::int32_t reversion_target_ = 0;  // the first item, or the last group opened at the outer level
    bool has_data_since_target_ = false;
    int depth_ = 0;
};

}  // namespace

void compile_format(std::string_view text, CompiledFormat& compiled)
{
    compiled.steps.clear();
    compiled.literals.clear();
    FormatCompiler(text, compiled).compile();
}

}  // namespace textio::format
