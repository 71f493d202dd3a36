#pragma once
// The unit record and the unit table, shared by the files of the unit layer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "textio/units/unit.h"

namespace textio {

enum class UnitMode {
    internal = 0,
    console = 1,
    formatted_direct = 2,
    formatted_sequential = 3,
    binary_direct = 4,
    binary_sequential = 5,
    unformatted_direct = 6,
    unformatted_sequential = 7,
};

enum class UnitAccess { sequential, direct, append };
enum class UnitForm { formatted, unformatted, binary };
enum class UnitAction { read_write, read, write };
enum class UnitShare { deny_none, deny_read, deny_write, deny_read_write };
enum class UnitDelimiter { none, apostrophe, quote };
enum class UnitCarriageControl { list, first_character };

inline constexpr std::size_t default_buffer_size = 1024;
inline constexpr std::int32_t default_record_length = 1024;
inline constexpr std::int32_t default_binary_record_length = 65536;

struct Unit {
    int number = 0;
    std::string name;  // as opened, blanks around it removed
    platform::FileHandle handle = platform::no_file;
    platform::FileIdentity identity;
    UnitMode mode = UnitMode::formatted_sequential;

    // state flags
    bool dirty = false;    // the buffer holds bytes not yet written
    bool writing = false;  // the buffer holds output, not read-ahead
    bool delete_at_close = false;
    bool blanks_as_zeros = false;
    bool console = false;
    bool at_end = false;

    // The buffer holds the bytes of the file from file_offset on. Writing:
    // [0, buffer_pos) are output. Reading: [0, buffer_last] were read ahead
    // and buffer_pos is the next to take.
    std::unique_ptr<char[]> buffer;
    std::size_t buffer_size = default_buffer_size;
    std::size_t buffer_pos = 0;
    std::ptrdiff_t buffer_last = -1;
    std::int64_t file_offset = 0;
    bool last_read_was_byte = false;   // unit_unread_byte may step back
    std::int64_t line_feeds_read = 0;  // line feeds taken by reading, for messages

    std::int32_t record_length = default_record_length;
    std::int64_t record_number = 1;

    UnitAccess access = UnitAccess::sequential;
    UnitForm form = UnitForm::formatted;
    UnitAction action = UnitAction::read_write;
    bool action_given = false;
    UnitShare share = UnitShare::deny_none;
    UnitDelimiter delimiter = UnitDelimiter::none;
    bool pad = true;
    bool record_open = false;  // a non-advancing statement left the current record open
    UnitCarriageControl carriage_control = UnitCarriageControl::list;

    bool console_line_unfinished = false;  // console output: last byte not LF
};

inline constexpr int unit_table_slots = 61;

// A name without the blanks around it.
inline std::string_view trim_blanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The connected unit of this number in the table, or nullptr.
Unit* unit_table_find(int number);
// A free slot of the table, or -1.
int unit_table_free_slot();
void unit_table_put(int slot, std::unique_ptr<Unit> unit);
// Takes the unit out of the table (the slot becomes free).
std::unique_ptr<Unit> unit_table_take(int number);
// The connected unit whose file has this identity, or nullptr.
Unit* unit_table_find_file(const platform::FileIdentity& identity);

// The name for a unit connected without one: the next command-line argument,
// else asked for on the console until the answer is not blank.
std::string unit_ask_file_name(int number);

// The buffer written out; failures raise write_denied or disk_full under
// `kind`. The bytes that could not be written are dropped, so that closing
// the unit at termination does not fail a second time.
void unit_write_buffer(Unit& unit, process::StatementKind kind);

// Raises `error` for a failed system call on the unit's file, naming the
// system's reason when it is not what the error already says.
[[noreturn]] void unit_raise_file_error(process::RuntimeError error, platform::FileError system,
                                        process::StatementKind kind, std::string_view file_name);
// The same report for a close at the end of the run; it returns while
// termination is in progress (process::report_error_while_terminating).
void unit_report_file_error_while_terminating(process::RuntimeError error, platform::FileError system,
                                              process::StatementKind kind, std::string_view file_name);

// Bit of the `flags` of unit_close, for the closes at the end of the run: a
// failure is reported as an error while terminating, and returned.
inline constexpr int unit_closing_at_exit = 2;

// The error of a failed open for the system's reason.
process::RuntimeError unit_open_error_number(platform::FileError error);

// Termination: the units of replacement files not yet put in place are
// closed without writing their buffers, and their new files removed.
void unit_replacements_discard();

// The error of a failed write: disk_full for a full disk, write_denied
// otherwise.
process::RuntimeError unit_write_error_number(platform::FileError error);

}  // namespace textio
