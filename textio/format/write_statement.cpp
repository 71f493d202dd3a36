// The write statement: recorded at begin and by its items, executed at end.

#include "textio/format/write_statement.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "process/runtime_error.h"
#include "textio/format/format_cache.h"
#include "textio/format/format_code.h"
#include "textio/format/format_executor.h"
#include "textio/format/record_emitter.h"
#include "textio/format/statement_record.h"
#include "textio/units/unit.h"

namespace textio {
namespace {

constexpr int error_invalid_unit = 6314;

struct StatementFrame {
    int unit;
    int flags;
    int error;             // raised before execution (invalid unit)
    std::size_t code_mark;  // compiled format of this statement
    std::size_t item_mark;  // its items
};

// Process-wide: statements begun within another one stack on top of it.
struct WriterState {
    std::vector<unsigned char> code;
    format::StatementRecord items;
    format::FormatCache formats;
    std::vector<StatementFrame> frames;
    format::RecordEmitter emitter;

    WriterState()
    {
        code.reserve(1024);
        frames.reserve(4);
    }
};

WriterState& writer()
{
    static WriterState state;
    return state;
}

}  // namespace

void format_write_begin(int unit, const char* text, int length, int flags)
{
    WriterState& state = writer();
    StatementFrame frame{unit, flags, 0, state.code.size(), state.items.mark()};
    if (unit < -32767 || unit > 32767) {
        frame.error = error_invalid_unit;
        if ((flags & format_write_error_return) == 0)
            process::raise_runtime_error(error_invalid_unit, process::StatementKind::write);
    } else {
        const std::size_t size = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
        state.formats.compile(std::string_view(text, size), state.code);
    }
    state.frames.push_back(frame);
}

void format_write_integer(std::int32_t value)
{
    WriterState& state = writer();
    if (!state.frames.empty())
        state.items.append_integer(value);
}

void format_write_real(double value)
{
    WriterState& state = writer();
    if (!state.frames.empty())
        state.items.append_real(value);
}

int format_write_end()
{
    WriterState& state = writer();
    if (state.frames.empty())
        return 0;
    const StatementFrame frame = state.frames.back();
    int error = frame.error;
    if (error == 0) {
        state.items.terminate();
        Unit& unit = unit_select_for_transfer(frame.unit, process::StatementKind::write);
        unit_begin_write(unit);
        state.emitter.begin(unit, unit_first_char_control(unit));
        bool advance = (frame.flags & format_write_non_advancing) == 0;
        error = format::execute_format(state.code.data() + frame.code_mark,
                                       state.items.at(frame.item_mark), state.emitter, advance);
        if (error == 0) {
            state.emitter.finish(advance);
        } else if ((frame.flags & format_write_error_return) != 0) {
            // The program goes on: close the record cut short.
            state.emitter.finish(state.emitter.placed() > 0);
        } else {
            state.code.resize(frame.code_mark);
            state.items.release(frame.item_mark);
            state.frames.pop_back();
            process::raise_runtime_error(error, process::StatementKind::write, unit_name(unit));
            return error;
        }
    }
    state.code.resize(frame.code_mark);
    state.items.release(frame.item_mark);
    state.frames.pop_back();
    return error;
}

}  // namespace textio
