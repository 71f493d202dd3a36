// Positioning and emission of the characters of a record.

#include "textio/format/record_emitter.h"

#include <algorithm>
#include <cstring>

namespace textio::format {
namespace {

// Out of order, runs go in pieces of at most this many characters.
constexpr std::int64_t run_piece = 16;

}  // namespace

void RecordEmitter::begin(Unit& unit, bool first_char_control)
{
    out_.begin(unit);
    placed_ = pending_ = write_pos_ = hidden_ = 0;
    tab_mode_ = false;
    ended_a_record_ = false;
    // Only carriage control looks at the statement's first character.
    first_char_ = first_char_control;
    control_ = first_char_control;
}

void RecordEmitter::consume_control_character(char control)
{
    first_char_ = false;
    if (!control_) return;
    // "0" asks for one extra line, "1" for a new page; "+" (overprint) and
    // any other character for nothing. The character itself is not written.
    if (control == '0')
        out_.put("\r\n", 2);
    else if (control == '1')
        out_.put("\f", 1);
    hidden_ = 1;
}

void RecordEmitter::put_out_of_order(const char* bytes, std::size_t count)
{
    if (tab_mode_) {
        write_at_position(bytes, count);
        return;
    }
    // The statement's first character, under carriage control.
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
    out_.put_repeated(' ', static_cast<std::size_t>(pending_));
    placed_ += pending_;
    pending_ = 0;
    out_.put(bytes, count);
    placed_ += static_cast<std::int64_t>(count);
}

void RecordEmitter::put_repeated(char byte, std::int64_t count)
{
    if (count <= 0) return;
    if (in_order()) {
        out_.put_repeated(' ', static_cast<std::size_t>(pending_));
        out_.put_repeated(byte, static_cast<std::size_t>(count));
        placed_ += pending_ + count;
        pending_ = 0;
        return;
    }
    char run[run_piece];
    std::memset(run, byte, sizeof run);
    for (; count > 0; count -= run_piece) put(run, static_cast<std::size_t>(std::min(count, run_piece)));
}

void RecordEmitter::write_at_position(const char* bytes, std::size_t count)
{
    // The owed blanks first: by position they overwrite what stood there.
    static constexpr char blank_run[run_piece] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                                  ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    while (pending_ > 0) {
        const std::int64_t run = std::min(pending_, run_piece);
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
        out_.overwrite(record_start_ + write_pos_, bytes, static_cast<std::size_t>(overlap));
        bytes += overlap;
        length -= overlap;
        write_pos_ += overlap;
    }
    // Beyond them: blanks up to the position, then the rest.
    if (length > 0) {
        out_.put_repeated(' ', static_cast<std::size_t>(write_pos_ - placed_));
        out_.put(bytes, static_cast<std::size_t>(length));
        write_pos_ += length;
        placed_ = write_pos_;
    }
}

void RecordEmitter::put_overflow_field(int length, int w)
{
    if (length == render_overflow_digits && w > overflow_digit_count) {
        pending_ += w - overflow_digit_count;
        put_repeated('*', overflow_digit_count);
        return;
    }
    put_repeated('*', w);
}

void RecordEmitter::put_integer_field_in_pieces(const IntegerText& text, int w)
{
    const std::int64_t length = text.length();
    if (length > w) {
        put_repeated('*', w);
        return;
    }
    pending_ += w - length;
    if (text.sign != 0) put(&text.sign, 1);
    put_repeated('0', text.zeros);
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
    tab_mode_ = true;
    pending_ = 0;
    write_pos_ = target;
    record_start_ = out_.position() - placed_;
}

void RecordEmitter::finish(bool advance)
{
    if (advance) end_record();
    pending_ = 0;
    tab_mode_ = false;
    out_.end();
}

}  // namespace textio::format
