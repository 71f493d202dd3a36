#pragma once
// The record emitter: places characters in the current record and hands
// them to the unit. It owns positioning: blanks owed by tabs and right
// justification are written only when a later character of the record
// follows, and a tab left of the characters already placed switches the
// statement to writing by position, rewriting bytes already put.

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

    // Characters at the current position.
    void put(const char* bytes, std::size_t count)
    {
        if (!tab_mode_ && !first_char_) {
            flush_pending();
            unit_put(*unit_, bytes, count);
            placed_ += static_cast<std::int64_t>(count);
            return;
        }
        put_slow(bytes, count);
    }

    // A field of width w holding `text` right-justified, or w asterisks when
    // the text is longer (for the overflow result 520 with a wider field:
    // blanks, then 520 asterisks).
    void put_field(const char* text, int length, int w);

    // Blanks a field may need in front of its text inside the caller's buffer.
    static constexpr int field_headroom = 64;
    // The same, for a text with field_headroom writable bytes before it: the
    // owed blanks and the field go to the unit in one piece.
    void put_field_with_headroom(char* text, int length, int w)
    {
        const std::int64_t blanks = pending_ + (w - length);
        if (length <= w && blanks <= field_headroom && !tab_mode_ && !first_char_) {
            char* const start = text - blanks;
            std::memset(start, ' ', static_cast<std::size_t>(blanks));
            unit_put(*unit_, start, static_cast<std::size_t>(blanks + length));
            placed_ += blanks + length;
            pending_ = 0;
            return;
        }
        put_field(text, length, w);
    }

    // The current position (column - 1) and the move to a target position.
    std::int64_t position() const { return tab_mode_ ? write_pos_ : placed_ + pending_; }
    void move_to(std::int64_t target);

    // Ends the current record with carriage return and line feed.
    void end_record();
    // Ends the statement: the final record ended unless `advance` is false;
    // positioning left over produces nothing.
    void finish(bool advance);

    // Characters placed in the current record.
    std::int64_t placed() const { return placed_; }

private:
    void flush_pending()
    {
        if (pending_ > 0) {
            unit_put_blanks(*unit_, static_cast<std::size_t>(pending_));
            placed_ += pending_;
            pending_ = 0;
        }
    }
    void put_slow(const char* bytes, std::size_t count);
    void put_blanks(std::int64_t count);
    void consume_control_character(char control);
    void write_at_position(const char* bytes, std::size_t count);

    Unit* unit_ = nullptr;
    std::int64_t placed_ = 0;   // furthest position reached in the record
    std::int64_t pending_ = 0;  // blanks owed before the next character
    bool tab_mode_ = false;
    std::int64_t write_pos_ = 0;     // in tab mode: where the next character goes
    std::int64_t record_start_ = 0;  // in tab mode: stream position of column 1
    std::int64_t hidden_ = 0;        // columns of this record not in the file (control character)
    bool first_char_ = false;
    bool control_ = false;
};

}  // namespace textio::format
