// The write statement: recorded at begin and by its items, executed at end.

#include "textio/format/write_statement.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "process/error_numbers.h"
#include "process/runtime_error.h"
#include "textio/format/format_cache.h"
#include "textio/format/format_executor.h"
#include "textio/format/record_emitter.h"
#include "textio/format/statement_record.h"
#include "textio/units/unit.h"

namespace textio {
namespace {

struct StatementFrame {
    int unit;
    int flags;
    process::RuntimeError error;   // raised before execution (invalid unit)
    format::CachedFormat* format;  // held while the statement is open
    std::size_t item_mark;         // its items
};

// Process-wide: statements begun within another one stack on top of it.
struct WriterState {
    format::FormatCache formats;
    format::StatementRecord items;
    std::vector<StatementFrame> frames;
    format::RecordEmitter emitter;

    WriterState() { frames.reserve(4); }
};

WriterState writer;

void release(const StatementFrame& frame)
{
    if (frame.format != nullptr) format::FormatCache::release(*frame.format);
    writer.items.release(frame.item_mark);
    writer.frames.pop_back();
}

}  // namespace

void format_write_begin(int unit, const char* text, int length, int flags)
{
    // Built in place: the frame is read back at once by the items and the end.
    StatementFrame& frame = writer.frames.emplace_back();
    frame.unit = unit;
    frame.flags = flags;
    frame.error = process::errors::no_error;
    frame.format = nullptr;
    frame.item_mark = writer.items.mark();
    if (!unit_number_valid(unit)) {
        frame.error = process::errors::unit_number_out_of_range;
        // No unit, so no file to name: the frame without a statement, as
        // for a read statement.
        if ((flags & format_write_error_return) == 0)
            process::raise_runtime_error(process::errors::unit_number_out_of_range, process::StatementKind::none);
        return;
    }
    const std::size_t size = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    frame.format = &writer.formats.acquire(std::string_view(text, size));
}

void format_write_integer(std::int32_t value)
{
    if (!writer.frames.empty()) writer.items.append_integer(value);
}

void format_write_real(double value)
{
    if (!writer.frames.empty()) writer.items.append_real(value);
}

process::RuntimeError format_write_end()
{
    if (writer.frames.empty()) return process::errors::no_error;
    const StatementFrame frame = writer.frames.back();
    process::RuntimeError error = frame.error;
    if (!error) {
        writer.items.terminate();
        Unit& unit = unit_select_for_transfer(frame.unit);
        unit_begin_write(unit);
        writer.emitter.begin(unit, unit_first_char_control(unit));
        const bool non_advancing = (frame.flags & format_write_non_advancing) != 0;
        bool advance = !non_advancing;
        error =
            format::execute_format(frame.format->compiled, writer.items.at(frame.item_mark), writer.emitter, advance);
        bool final_record_ended = false;
        if (!error) {
            final_record_ended = advance;
        } else if ((frame.flags & format_write_error_return) != 0) {
            // The program goes on: close the record cut short.
            final_record_ended = writer.emitter.placed() > 0;
        }
        // A record left open by a non-advancing statement stays open until
        // a later statement ends a record; closing the unit ends it.
        const bool record_open =
            !final_record_ended && (non_advancing || (unit_record_open(unit) && !writer.emitter.ended_a_record()));
        unit_set_record_open(unit, record_open);
        if (!error || (frame.flags & format_write_error_return) != 0) {
            writer.emitter.finish(final_record_ended);
        } else {
            // The records before the faulty item stay in the unit's buffer.
            writer.emitter.finish(false);
            release(frame);
            process::raise_runtime_error(error, process::StatementKind::write, unit_name(unit));
        }
    }
    release(frame);
    return error;
}

}  // namespace textio
