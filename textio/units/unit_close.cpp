// Disconnecting a unit: its last buffer written, its handle closed, a
// scratch file removed.

#include "platform/files.h"
#include "process/error_numbers.h"
#include "textio/units/open_options.h"

namespace textio {

namespace errors = process::errors;

namespace {

// The record left open by a non-advancing statement ends with the unit; the
// buffer goes out first when the line end does not fit in it.
platform::FileError end_open_record(Unit& unit)
{
    unit.record_open = false;
    if (unit.buffer_size - unit.buffer_pos < 2) {
        std::size_t written = 0;
        const platform::FileError error =
            platform::file_write(unit.handle, unit.buffer.get(), unit.buffer_pos, written);
        unit.file_offset += static_cast<std::int64_t>(written);
        unit.buffer_pos = 0;
        if (error != platform::FileError::none) return error;
    }
    unit.buffer[unit.buffer_pos++] = '\r';
    unit.buffer[unit.buffer_pos++] = '\n';
    return platform::FileError::none;
}

}  // namespace

process::RuntimeError unit_close(int number, std::optional<std::string_view> disposition, int flags)
{
    Unit* connected = unit_table_find(number);
    if (connected == nullptr) return errors::no_error;
    const bool error_return = (flags & unit_error_return) != 0;

    bool remove = connected->delete_at_close;
    if (disposition) {
        if (keyword_matches(*disposition, "KEEP")) {
            if (connected->delete_at_close) {
                if (error_return) return errors::keep_for_scratch_file;
                process::raise_runtime_error(errors::keep_for_scratch_file, process::StatementKind::close,
                                             connected->name);
            }
            remove = false;
        } else if (keyword_matches(*disposition, "DELETE")) {
            remove = true;
        } else {
            return errors::invalid_status;
        }
    }

    // Out of the table first: an error below ends the run, and the exit
    // path must not close this unit a second time.
    std::unique_ptr<Unit> unit = unit_table_take(number);
    process::RuntimeError failure = errors::no_error;
    platform::FileError system = platform::FileError::none;
    if (unit->writing && !remove) {
        if (unit->record_open) system = end_open_record(*unit);
        if (system == platform::FileError::none && unit->buffer_pos > 0) {
            std::size_t written = 0;
            system = platform::file_write(unit->handle, unit->buffer.get(), unit->buffer_pos, written);
        }
        if (system != platform::FileError::none) failure = unit_write_error_number(system);
    }
    platform::file_close(unit->handle);
    if (remove && !failure) {
        const platform::FileError removed = platform::file_delete(unit->name);
        if (removed != platform::FileError::none) {
            failure = errors::cannot_delete_file;
            system = removed;
        }
    }
    if (failure && (flags & unit_closing_at_exit) != 0)
        unit_report_file_error_while_terminating(failure, system, process::StatementKind::close, unit->name);
    else if (failure && !error_return)
        unit_raise_file_error(failure, system, process::StatementKind::close, unit->name);
    return failure;
}

}  // namespace textio
