// The unit buffer: bytes put by write statements reach the file in whole
// buffers; bytes for read statements are taken from the buffer, which is
// refilled from the file a buffer at a time.

#include <algorithm>
#include <cstring>

#include "platform/system.h"
#include "process/error_numbers.h"
#include "textio/units/unit_record.h"

namespace textio {

namespace errors = process::errors;

namespace {

using process::StatementKind;

// The console shows output line by line, and before a prompt or a read.
void console_flush(Unit& unit)
{
    if (unit.buffer_pos == 0) return;
    const std::string_view bytes(unit.buffer.get(), unit.buffer_pos);
    platform::console_write(bytes);
    unit.console_line_unfinished = bytes.back() != '\n';
    unit.buffer_pos = 0;
    unit.dirty = false;
}

// Leaves reading: the position of the next byte to take is where writing
// goes on; the read-ahead is dropped.
void stop_reading(Unit& unit)
{
    unit.file_offset += static_cast<std::int64_t>(unit.buffer_pos);
    unit.buffer_pos = 0;
    unit.buffer_last = -1;
    unit.last_read_was_byte = false;
}

// The file made exactly `size` bytes long for writing from there: a longer
// one is cut; a shorter one (another process shortened it after it was read)
// is extended by writing zero bytes, in pieces of at most 4096, so that a
// full disk shows at this write statement and not later. Terminals, pipes
// and devices have no size.
platform::FileError set_size_for_writing(platform::FileHandle handle, std::int64_t size)
{
    using platform::FileError;
    if (!platform::file_is_regular(handle)) return FileError::none;
    std::int64_t reached = 0;
    FileError error = platform::file_size(handle, reached);
    if (error != FileError::none) return error;
    if (reached >= size) return platform::file_set_size(handle, size);
    static constexpr std::int64_t piece = 4096;
    static constexpr char zeros[piece] = {};
    error = platform::file_seek(handle, reached);
    while (error == FileError::none && reached < size) {
        std::size_t written = 0;
        error = platform::file_write(handle, zeros, static_cast<std::size_t>(std::min(piece, size - reached)), written);
        reached += static_cast<std::int64_t>(written);
    }
    return error;
}

// Leaves writing: what was put is written, reading starts after it.
void stop_writing(Unit& unit)
{
    unit_flush(unit);
    unit.writing = false;
    unit.buffer_pos = 0;
    unit.buffer_last = -1;
}

}  // namespace

process::RuntimeError unit_write_error_number(platform::FileError error)
{
    return error == platform::FileError::disk_full ? errors::disk_full : errors::write_denied;
}

namespace {

// The error's message says already what the system found.
bool said_by_error(process::RuntimeError error, platform::FileError system)
{
    using platform::FileError;
    return (error == errors::disk_full && system == FileError::disk_full) ||
           (error == errors::write_denied && (system == FileError::access_denied || system == FileError::locked)) ||
           (error == errors::file_not_found && system == FileError::not_found) ||
           (error == errors::file_access_denied && system == FileError::access_denied) ||
           (error == errors::file_exists && system == FileError::exists) ||
           (error == errors::invalid_file_name && system == FileError::invalid_argument) ||
           (error == errors::too_many_open_files && system == FileError::too_many_open);
}

// The error's message followed by the system's reason.
std::string message_with_reason(process::RuntimeError error, platform::FileError system)
{
    std::string message(process::error_message(error));
    message += " (";
    message += system == platform::FileError::is_directory ? std::string("the name is a folder")
                                                           : platform::last_system_error_text();
    message += ')';
    return message;
}

}  // namespace

void unit_raise_file_error(process::RuntimeError error, platform::FileError system, StatementKind kind,
                           std::string_view file_name)
{
    if (said_by_error(error, system)) process::raise_runtime_error(error, kind, file_name);
    process::report_runtime_error(error, message_with_reason(error, system), kind, file_name);
}

void unit_report_file_error_while_terminating(process::RuntimeError error, platform::FileError system,
                                              StatementKind kind, std::string_view file_name)
{
    if (said_by_error(error, system))
        process::report_error_while_terminating(error, process::error_message(error), kind, file_name);
    else
        process::report_error_while_terminating(error, message_with_reason(error, system), kind, file_name);
}

void unit_write_buffer(Unit& unit, StatementKind kind)
{
    if (unit.buffer_pos == 0) return;
    if (unit.console) {
        console_flush(unit);
        return;
    }
    std::size_t written = 0;
    const platform::FileError error = platform::file_write(unit.handle, unit.buffer.get(), unit.buffer_pos, written);
    unit.file_offset += static_cast<std::int64_t>(written);
    unit.buffer_pos = 0;
    unit.dirty = false;
    if (error != platform::FileError::none)
        unit_raise_file_error(unit_write_error_number(error), error, kind, unit.name);
}

void unit_begin_write(Unit& unit)
{
    if (unit.writing) return;
    if (unit.console) {
        unit.writing = true;
        return;
    }
    // Cut the file at the logical position: what was read stays, what lay
    // beyond it goes.
    stop_reading(unit);
    unit.at_end = false;
    unit.writing = true;
    const std::int64_t position = unit.file_offset;
    platform::FileError error = set_size_for_writing(unit.handle, position);
    if (error == platform::FileError::none) error = platform::file_seek(unit.handle, position);
    if (error != platform::FileError::none)
        unit_raise_file_error(unit_write_error_number(error), error, StatementKind::write, unit.name);
}

void UnitWriter::begin(Unit& unit)
{
    if (!unit.writing) unit_begin_write(unit);
    unit_ = &unit;
    buffer_ = unit.buffer.get();
    size_ = unit.buffer_size;
    used_ = unit.buffer_pos;
}

void UnitWriter::hand_back()
{
    unit_->buffer_pos = used_;
    unit_->dirty = used_ > 0;
}

void UnitWriter::end()
{
    hand_back();
    if (unit_->console && used_ > 0 && buffer_[used_ - 1] == '\n') {
        console_flush(*unit_);
        used_ = 0;
    }
}

void UnitWriter::overflow(const char* bytes, std::size_t count)
{
    for (;;) {
        const std::size_t taken = std::min(size_ - used_, count);
        std::memcpy(buffer_ + used_, bytes, taken);
        used_ += taken;
        bytes += taken;
        count -= taken;
        if (used_ < size_) return;
        // Full: to the file (a failure is raised there), then from the start.
        hand_back();
        unit_write_buffer(*unit_, StatementKind::write);
        used_ = unit_->buffer_pos;
        if (count == 0) return;
    }
}

void UnitWriter::overflow_repeated(char byte, std::size_t count)
{
    char run[64];
    std::memset(run, byte, sizeof run);
    do {
        const std::size_t taken = std::min(sizeof run, count);
        put(run, taken);
        count -= taken;
    } while (count > 0);
}

std::int64_t UnitWriter::position()
{
    hand_back();
    return unit_position(*unit_);
}

void UnitWriter::overwrite(std::int64_t position, const char* bytes, std::size_t count)
{
    hand_back();
    unit_overwrite(*unit_, position, bytes, count);
}

void unit_put(Unit& unit, const char* bytes, std::size_t count)
{
    UnitWriter writer;
    writer.begin(unit);
    writer.put(bytes, count);
    writer.end();
}

std::int64_t unit_position(const Unit& unit) { return unit.file_offset + static_cast<std::int64_t>(unit.buffer_pos); }

void unit_overwrite(Unit& unit, std::int64_t position, const char* bytes, std::size_t count)
{
    if (count == 0) return;
    // The part already handed to the file: seek back, write, seek forward.
    if (position < unit.file_offset && !unit.console) {
        const std::size_t in_file = static_cast<std::size_t>(
            std::min<std::int64_t>(unit.file_offset - position, static_cast<std::int64_t>(count)));
        std::size_t written = 0;
        platform::FileError error = platform::file_seek(unit.handle, position);
        if (error == platform::FileError::none) error = platform::file_write(unit.handle, bytes, in_file, written);
        const platform::FileError back = platform::file_seek(unit.handle, unit.file_offset);
        if (error == platform::FileError::none) error = back;
        if (error != platform::FileError::none) {
            unit_raise_file_error(unit_write_error_number(error), error, StatementKind::write, unit.name);
        }
        position += static_cast<std::int64_t>(in_file);
        bytes += in_file;
        count -= in_file;
    }
    if (count == 0 || position < unit.file_offset) return;
    const auto start = static_cast<std::size_t>(position - unit.file_offset);
    if (start >= unit.buffer_pos) return;
    std::memcpy(unit.buffer.get() + start, bytes, std::min(count, unit.buffer_pos - start));
}

void unit_flush(Unit& unit)
{
    if (unit.writing) unit_write_buffer(unit, StatementKind::write);
}

int unit_read_byte(Unit& unit)
{
    if (unit.writing) {
        if (unit.console) {
            console_flush(unit);
        } else {
            stop_writing(unit);
        }
    }
    if (static_cast<std::ptrdiff_t>(unit.buffer_pos) > unit.buffer_last) {
        // Refill: the buffer now starts after the bytes already taken.
        unit.file_offset += unit.buffer_last + 1;
        unit.buffer_pos = 0;
        unit.buffer_last = -1;
        std::size_t got = 0;
        const platform::FileError error = platform::file_read(unit.handle, unit.buffer.get(), unit.buffer_size, got);
        if (error != platform::FileError::none) {
            unit.last_read_was_byte = false;
            unit_raise_file_error(errors::cannot_read_file, error, StatementKind::read, unit.name);
        }
        if (got == 0) {
            unit.last_read_was_byte = false;
            return -1;
        }
        unit.buffer_last = static_cast<std::ptrdiff_t>(got) - 1;
    }
    unit.last_read_was_byte = true;
    const char byte = unit.buffer[unit.buffer_pos++];
    if (byte == '\n') ++unit.line_feeds_read;
    return static_cast<unsigned char>(byte);
}

void unit_unread_byte(Unit& unit)
{
    if (unit.last_read_was_byte && unit.buffer_pos > 0) {
        --unit.buffer_pos;
        if (unit.buffer[unit.buffer_pos] == '\n') --unit.line_feeds_read;
        unit.last_read_was_byte = false;
    }
}

std::int64_t unit_line_number(const Unit& unit) { return unit.line_feeds_read + 1; }

bool unit_at_end(const Unit& unit) { return unit.at_end; }

void unit_mark_end(Unit& unit) { unit.at_end = true; }

}  // namespace textio
