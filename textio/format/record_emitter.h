#pragma once
// The record emitter: places characters in the current record and hands
// them to the unit's buffer through its writer. It owns positioning: blanks
// owed by tabs and right justification are written only when a later
// character of the record follows (an empty text is no character), and a tab
// left of the characters already placed switches the statement to writing
// by position, rewriting bytes already put.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "textio/render/render.h"
#include "textio/units/unit.h"

namespace textio::format {

class RecordEmitter {
public:
    // Start of a statement on `unit`; `first_char_control`: the statement's
    // first character is a carriage-control character, not data.
    void begin(Unit& unit, bool first_char_control);

    // Characters at the current position; none leave the owed blanks owed.
    void put(const char* bytes, std::size_t count)
    {
        if (count == 0) return;
        if (!in_order()) {
            put_out_of_order(bytes, count);
            return;
        }
        out_.put_repeated(' ', static_cast<std::size_t>(pending_));
        out_.put(bytes, count);
        placed_ += pending_ + static_cast<std::int64_t>(count);
        pending_ = 0;
    }

    // A field of width w holding `text` right-justified, or w asterisks when
    // the text is longer or an overflow result (for too many digits with a
    // wider field: blanks, then 520 asterisks).
    void put_field(const char* text, int length, int w)
    {
        if (length >= 0 && length <= w) {
            pending_ += w - length;
            put(text, static_cast<std::size_t>(length));
            return;
        }
        put_overflow_field(length, w);
    }

    // A field of width w (> 0) straight in the unit's buffer: the end of
    // its place, claimed with the blanks owed before it, for the text to be
    // written ending there; nullptr when the field does not go in order or
    // not in one piece (then put_field). settle_field then fills what the
    // text of `length` left: blanks before it, or asterisks.
    char* field_end(int w)
    {
        if (!in_order() || w <= 0) return nullptr;
        const std::int64_t size = pending_ + w;
        char* const at = out_.claim(static_cast<std::size_t>(size));
        return at == nullptr ? nullptr : at + size;
    }
    void settle_field(char* end, int length, int w)
    {
        char* const start = end - w - pending_;
        placed_ += end - start;
        pending_ = 0;
        if (length > 0 && length <= w) {
            std::memset(start, ' ', static_cast<std::size_t>(end - length - start));
            return;
        }
        const int asterisks = length == render_overflow_digits && w > overflow_digit_count ? overflow_digit_count : w;
        std::memset(start, ' ', static_cast<std::size_t>(end - asterisks - start));
        std::memset(end - asterisks, '*', static_cast<std::size_t>(asterisks));
    }

    // An integer field of width w: its text right-justified, however many
    // zeros it holds, or w asterisks when it is longer.
    void put_integer_field(const IntegerText& text, int w)
    {
        // Without zeros to add, straight to its place when the field fits.
        const int length = (text.sign != 0 ? 1 : 0) + text.count;
        if (text.zeros == 0 && length > 0 && length <= w) {
            if (char* const end = field_end(w)) {
                std::memcpy(end - text.count, text.first_digit(), static_cast<std::size_t>(text.count));
                if (text.sign != 0) end[-length] = text.sign;
                settle_field(end, length, w);
                return;
            }
        }
        put_integer_field_in_pieces(text, w);
    }

    // The current position (column - 1) and the move to a target position.
    std::int64_t position() const { return (tab_mode_ ? write_pos_ : placed_) + pending_; }
    void move_to(std::int64_t target);

    // Ends the current record with carriage return and line feed.
    void end_record()
    {
        out_.put("\r\n", 2);
        placed_ = pending_ = write_pos_ = hidden_ = 0;
        tab_mode_ = false;
        ended_a_record_ = true;
    }
    // The statement has ended at least one record so far.
    bool ended_a_record() const { return ended_a_record_; }
    // Ends the statement: the final record ended unless `advance` is false;
    // positioning left over produces nothing. The buffer goes back to the
    // unit (also after an error, so that the records before it stay).
    void finish(bool advance);

    // Characters placed in the current record.
    std::int64_t placed() const { return placed_; }

private:
    // Characters go straight after the ones before: no carriage control
    // character to take, no writing by position.
    bool in_order() const { return !tab_mode_ && !first_char_; }
    void put_out_of_order(const char* bytes, std::size_t count);
    void put_repeated(char byte, std::int64_t count);
    void put_overflow_field(int length, int w);
    void put_integer_field_in_pieces(const IntegerText& text, int w);
    void consume_control_character(char control);
    void write_at_position(const char* bytes, std::size_t count);
    void write_run_at_position(const char* bytes, std::size_t count);

    UnitWriter out_;
    std::int64_t placed_ = 0;   // furthest position reached in the record
    std::int64_t pending_ = 0;  // blanks owed before the next character (also in tab mode)
    bool tab_mode_ = false;
    std::int64_t write_pos_ = 0;     // in tab mode: where the next character goes
    std::int64_t record_start_ = 0;  // in tab mode: stream position of column 1
    std::int64_t hidden_ = 0;        // columns of this record not in the file (control character)
    bool first_char_ = false;
    bool control_ = false;
    bool ended_a_record_ = false;
};

}  // namespace textio::format
