// Positioning and emission of the characters of a record.

#include "textio/format/record_emitter.h"

#include <algorithm>

namespace textio::format {
namespace {

constexpr char blank_run[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
constexpr char asterisk_run[16] = {'*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*', '*'};
constexpr char zero_run[16] = {'0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0'};

}  // namespace

void RecordEmitter::begin(Unit& unit, bool first_char_control)
{
    unit_ = &unit;
    placed_ = pending_ = write_pos_ = hidden_ = 0;
    tab_mode_ = false;
    ended_a_record_ = false;
    // Only carriage control looks at the statement's first character.
    first_char_ = first_char_control;
    control_ = first_char_control;
    staged_ = 0;
}

void RecordEmitter::consume_control_character(char control)
{
    first_char_ = false;
    if (!control_) return;
    // "0" asks for one extra line, "1" for a new page; "+" (overprint) and
    // any other character for nothing. The character itself is not written.
    if (control == '0')
        unit_write("\r\n", 2);
    else if (control == '1')
        unit_write("\f", 1);
    hidden_ = 1;
}

void RecordEmitter::put_slow(const char* bytes, std::size_t count)
{
    if (count == 0) return;
    if (tab_mode_) {
        write_at_position(bytes, count);
        return;
    }
    if (first_char_) {
        if (pending_ > 0) {
            consume_control_character(' ');
            if (hidden_ != 0) {
                --pending_;
                ++placed_;
            }
        } else {
            consume_control_character(bytes[0]);
            if (hidden_ != 0) {
                ++bytes;
                --count;
                ++placed_;
            }
        }
    }
    if (pending_ > 0) unit_write_blanks(static_cast<std::size_t>(pending_));
    placed_ += pending_;
    pending_ = 0;
    unit_write(bytes, count);
    placed_ += static_cast<std::int64_t>(count);
}

void RecordEmitter::write_at_position(const char* bytes, std::size_t count)
{
    flush_stage();
    // The owed blanks first: by position they overwrite what stood there.
    while (pending_ > 0) {
        const std::int64_t run = std::min<std::int64_t>(pending_, 16);
        pending_ -= run;
        write_run_at_position(blank_run, static_cast<std::size_t>(run));
    }
    write_run_at_position(bytes, count);
}

void RecordEmitter::write_run_at_position(const char* bytes, std::size_t count)
{
    auto length = static_cast<std::int64_t>(count);
    // Columns hidden by carriage control take nothing.
    if (write_pos_ < hidden_) {
        const std::int64_t skip = std::min(length, hidden_ - write_pos_);
        bytes += skip;
        length -= skip;
        write_pos_ += skip;
    }
    // Over characters already placed: rewrite them.
    if (length > 0 && write_pos_ < placed_) {
        const std::int64_t overlap = std::min(length, placed_ - write_pos_);
        unit_overwrite(*unit_, record_start_ + write_pos_, bytes, static_cast<std::size_t>(overlap));
        bytes += overlap;
        length -= overlap;
        write_pos_ += overlap;
    }
    // Beyond them: blanks up to the position, then the rest.
    if (length > 0) {
        if (write_pos_ > placed_) unit_put_blanks(*unit_, static_cast<std::size_t>(write_pos_ - placed_));
        unit_put(*unit_, bytes, static_cast<std::size_t>(length));
        write_pos_ += length;
        placed_ = write_pos_;
    }
}

void RecordEmitter::put_blanks(std::int64_t count)
{
    if (count > 0) pending_ += count;
}

void RecordEmitter::put_asterisks(std::int64_t count)
{
    for (; count > 0; count -= 16) put(asterisk_run, static_cast<std::size_t>(std::min<std::int64_t>(count, 16)));
}

void RecordEmitter::put_field_slow(const char* text, int length, int w)
{
    if (length >= 0 && length <= w) {
        put_blanks(w - length);
        put(text, static_cast<std::size_t>(length));
        return;
    }
    if (length == render_overflow_digits && w > overflow_digit_count) {
        put_blanks(w - overflow_digit_count);
        put_asterisks(overflow_digit_count);
        return;
    }
    put_asterisks(w);
}

void RecordEmitter::put_integer_field_slow(const IntegerText& text, int w)
{
    const std::int64_t length = text.length();
    if (length > w) {
        put_asterisks(w);
        return;
    }
    put_blanks(w - length);
    if (text.sign != 0) put(&text.sign, 1);
    for (std::int64_t zeros = text.zeros; zeros > 0; zeros -= 16)
        put(zero_run, static_cast<std::size_t>(std::min<std::int64_t>(zeros, 16)));
    put(text.first_digit(), static_cast<std::size_t>(text.count));
}

void RecordEmitter::move_to(std::int64_t target)
{
    if (tab_mode_) {
        write_pos_ = target;
        pending_ = 0;
        return;
    }
    if (target >= placed_) {
        pending_ = target - placed_;
        return;
    }
    // Left of the characters placed: from now on by position.
    flush_stage();
    tab_mode_ = true;
    pending_ = 0;
    write_pos_ = target;
    record_start_ = unit_position(*unit_) - placed_;
}

void RecordEmitter::finish(bool advance)
{
    if (advance) end_record();
    pending_ = 0;
    tab_mode_ = false;
    flush_stage();
}

}  // namespace textio::format
