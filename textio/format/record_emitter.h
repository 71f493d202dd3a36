#pragma once
// The record emitter: places characters in the current record and hands
// them to the unit. It owns positioning: blanks owed by tabs and right
// justification are written only when a later character of the record
// follows (an empty text is no character), and a tab left of the characters
// already placed switches the statement to writing by position, rewriting
// bytes already put.
//
// Characters placed in order are first gathered in a stage and handed to
// the unit in one piece: at the end of the statement, when the stage is
// full, and before anything that needs the unit's own position.

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
        const auto blanks = static_cast<std::size_t>(pending_);
        if (!tab_mode_ && !first_char_ && blanks + count <= stage_room()) {
            char* const at = stage_ + staged_;
            std::memset(at, ' ', blanks);
            std::memcpy(at + blanks, bytes, count);
            staged_ += blanks + count;
            placed_ += static_cast<std::int64_t>(blanks + count);
            pending_ = 0;
            return;
        }
        put_slow(bytes, count);
    }

    // A field of width w holding `text` right-justified, or w asterisks when
    // the text is longer or an overflow result (for too many digits with a
    // wider field: blanks, then 520 asterisks). `text` has room for
    // field_copy_block bytes after it.
    static constexpr int field_copy_block = 32;
    void put_field(const char* text, int length, int w)
    {
        const std::int64_t blanks = pending_ + (w - length);
        if (length > 0 && length <= w && length <= field_copy_block && blanks <= blank_block && !tab_mode_ &&
            !first_char_ && stage_room() >= blank_block + field_copy_block) {
            // Fixed-size blocks: blanks, then the text over their tail.
            char* const at = stage_ + staged_;
            std::memset(at, ' ', blank_block);
            std::memcpy(at + blanks, text, field_copy_block);
            staged_ += static_cast<std::size_t>(blanks + length);
            placed_ += blanks + length;
            pending_ = 0;
            return;
        }
        put_field_slow(text, length, w);
    }

    // An integer field of width w: its text right-justified, however many
    // zeros it holds, or w asterisks when it is longer.
    void put_integer_field(const IntegerText& text, int w)
    {
        const std::int64_t length = text.length();
        const std::int64_t blanks = pending_ + (w - length);
        if (text.zeros == 0 && length > 0 && length <= w && blanks <= blank_block && !tab_mode_ && !first_char_ &&
            stage_room() >= blank_block + sizeof text.digits + 1) {
            char* at = stage_ + staged_;
            std::memset(at, ' ', blank_block);
            at += blanks;
            if (text.sign != 0) *at++ = text.sign;
            std::memcpy(at, text.first_digit(), static_cast<std::size_t>(text.count));
            staged_ += static_cast<std::size_t>(blanks + length);
            placed_ += blanks + length;
            pending_ = 0;
            return;
        }
        put_integer_field_slow(text, w);
    }

    // A field of width w rendered straight into the stage: the place where
    // it ends, the columns before it already blank; nullptr when the field
    // cannot go there. commit_field then takes it.
    char* field_end_in_stage(int w)
    {
        if (tab_mode_ || first_char_ || pending_ + w > blank_block || w < 0 || stage_room() < blank_block + 16)
            return nullptr;
        char* const at = stage_ + staged_;
        std::memset(at, ' ', blank_block);
        return at + pending_ + w;
    }
    void commit_field(const char* end)
    {
        const auto length = static_cast<std::size_t>(end - (stage_ + staged_));
        staged_ += length;
        placed_ += static_cast<std::int64_t>(length);
        pending_ = 0;
    }

    // The current position (column - 1) and the move to a target position.
    std::int64_t position() const { return (tab_mode_ ? write_pos_ : placed_) + pending_; }
    void move_to(std::int64_t target);

    // Ends the current record with carriage return and line feed.
    void end_record()
    {
        if (stage_room() >= 2) {
            stage_[staged_] = '\r';
            stage_[staged_ + 1] = '\n';
            staged_ += 2;
        } else {
            unit_write("\r\n", 2);
        }
        placed_ = pending_ = write_pos_ = hidden_ = 0;
        tab_mode_ = false;
        ended_a_record_ = true;
    }
    // The statement has ended at least one record so far.
    bool ended_a_record() const { return ended_a_record_; }
    // Ends the statement: the final record ended unless `advance` is false;
    // positioning left over produces nothing. Everything reaches the unit.
    void finish(bool advance);
    // Hands what is staged to the unit (also after an error).
    void flush_stage()
    {
        if (staged_ > 0) {
            unit_put(*unit_, stage_, staged_);
            staged_ = 0;
        }
    }

    // Characters placed in the current record.
    std::int64_t placed() const { return placed_; }

private:
    static constexpr std::size_t stage_size = 4096;
    static constexpr std::size_t stage_slack = 128;  // room for the fixed-size blocks
    static constexpr int blank_block = 64;

    std::size_t stage_room() const { return stage_size - staged_; }
    // Direct to the unit, after what is staged.
    void unit_write(const char* bytes, std::size_t count)
    {
        flush_stage();
        unit_put(*unit_, bytes, count);
    }
    void unit_write_blanks(std::size_t count)
    {
        flush_stage();
        unit_put_blanks(*unit_, count);
    }
    void put_slow(const char* bytes, std::size_t count);
    void put_field_slow(const char* text, int length, int w);
    void put_asterisks(std::int64_t count);
    void put_integer_field_slow(const IntegerText& text, int w);
    void put_blanks(std::int64_t count);
    void consume_control_character(char control);
    void write_at_position(const char* bytes, std::size_t count);
    void write_run_at_position(const char* bytes, std::size_t count);

    Unit* unit_ = nullptr;
    std::int64_t placed_ = 0;   // furthest position reached in the record
    std::int64_t pending_ = 0;  // blanks owed before the next character (also in tab mode)
    bool tab_mode_ = false;
    std::int64_t write_pos_ = 0;     // in tab mode: where the next character goes
    std::int64_t record_start_ = 0;  // in tab mode: stream position of column 1
    std::int64_t hidden_ = 0;        // columns of this record not in the file (control character)
    bool first_char_ = false;
    bool control_ = false;
    bool ended_a_record_ = false;
    std::size_t staged_ = 0;
    char stage_[stage_size + stage_slack];
};

}  // namespace textio::format
