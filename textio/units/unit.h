#pragma once
// File units: the table of numbered connections between the program and its
// files, the console record of units 0, 5 and 6, open and close with their
// options, and the 1024-byte buffer of every unit through which the record
// writer puts and the list-directed reader takes bytes.
//
// Every failure is a run-time error (process/runtime_error.h) and ends the
// run, unless the caller of open or close asks for error return.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "process/runtime_error.h"

namespace textio {

// One connected unit (a record of the unit table, or the console record).
struct Unit;

inline constexpr int unit_number_lowest = -32767;
inline constexpr int unit_number_highest = 32767;

// The number can name a unit; any other is error unit_number_out_of_range.
constexpr bool unit_number_valid(int number) { return number >= unit_number_lowest && number <= unit_number_highest; }

// Start-up: the table empty, the console records created.
void units_initialise();

// The connected unit of this number; else the console record for 0, 5 and 6;
// else nullptr.
Unit* unit_select(int number);

// For a read or write statement: the selected unit; a unit not connected is
// first connected by the blank-name rule (name from the next command-line
// argument, else asked for on the console).
Unit& unit_select_for_transfer(int number);

// The file name as opened (for the frame of an error report).
const std::string& unit_name(const Unit& unit);
// The first character of a record is carriage control (the console).
bool unit_first_char_control(const Unit& unit);
// A non-advancing write statement left the current record open: closing the
// unit ends it (carriage return, line feed) before the last buffer goes out.
bool unit_record_open(const Unit& unit);
void unit_set_record_open(Unit& unit, bool open);

// ---- writing (formatted sequential) ----

// Start of a write statement: if the unit is not yet writing, the file is cut
// at the logical position and the unit enters the writing state.
void unit_begin_write(Unit& unit);

// Writes into a unit's buffer: bytes are copied while they fit; when the
// buffer fills, it is written to the file at once and the copy goes on at its
// start. Nothing is ever written past the buffer. Between begin and end the
// writer alone knows how far the buffer is filled.
class UnitWriter {
public:
    // Takes over the buffer of `unit` (a unit not yet writing enters the
    // writing state first).
    void begin(Unit& unit);
    // Hands the buffer back to the unit; the console shows a finished line.
    void end();

    void put(const char* bytes, std::size_t count)
    {
        // Strictly less: a buffer that becomes full is written at once.
        if (count < size_ - used_) {
            std::memcpy(buffer_ + used_, bytes, count);
            used_ += count;
            return;
        }
        overflow(bytes, count);
    }
    void put_repeated(char byte, std::size_t count)
    {
        if (count < size_ - used_) {
            std::memset(buffer_ + used_, byte, count);
            used_ += count;
            return;
        }
        overflow_repeated(byte, count);
    }

    // The place of `count` bytes, to be filled at once by the caller, when
    // they fit without filling the buffer; else nullptr (then put).
    char* claim(std::size_t count)
    {
        if (count >= size_ - used_) return nullptr;
        char* const at = buffer_ + used_;
        used_ += count;
        return at;
    }

    // Logical stream position of the next byte to be put.
    std::int64_t position();
    // Rewrites bytes already put, as unit_overwrite.
    void overwrite(std::int64_t position, const char* bytes, std::size_t count);

private:
    void overflow(const char* bytes, std::size_t count);
    void overflow_repeated(char byte, std::size_t count);
    void hand_back();

    Unit* unit_ = nullptr;
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
};

// One put through a writer.
void unit_put(Unit& unit, const char* bytes, std::size_t count);
// Logical stream position of the next byte to be put.
std::int64_t unit_position(const Unit& unit);
// Rewrites bytes already put, at logical positions [position, position+count),
// position + count <= unit_position(): in the buffer while they are still
// there, else in the file (seek back, write, seek forward again).
void unit_overwrite(Unit& unit, std::int64_t position, const char* bytes, std::size_t count);
// Writes the buffer's unwritten bytes to the file.
void unit_flush(Unit& unit);

// ---- reading (formatted sequential), one byte at a time ----

// The next byte 0..255, or -1 at end of file; a failed read raises
// cannot_read_file (READ frame, the unit's file name).
int unit_read_byte(Unit& unit);
// Puts the last byte read back (one level).
void unit_unread_byte(Unit& unit);
// The line of the file that the next byte read belongs to (1 for the first),
// counted from the line feeds read since the unit was connected.
std::int64_t unit_line_number(const Unit& unit);
// The unit has met its end of file.
bool unit_at_end(const Unit& unit);
void unit_mark_end(Unit& unit);

// ---- open and close ----

// Bit of `flags`: the caller handles errors itself; open and close then
// return the error instead of raising it.
inline constexpr int unit_error_return = 1;

// The optional specifiers of an open; absent ones take their defaults.
// Values are matched ignoring case and trailing blanks.
struct OpenOptions {
    std::optional<std::string_view> status{};           // UNKNOWN OLD NEW REPLACE SCRATCH
    std::optional<std::string_view> access{};           // SEQUENTIAL DIRECT APPEND
    std::optional<std::string_view> form{};             // FORMATTED UNFORMATTED BINARY
    std::optional<std::string_view> recl{};             // record length, decimal
    std::optional<std::string_view> blocksize{};        // buffer size, decimal
    std::optional<std::string_view> blank{};            // NULL ZERO
    std::optional<std::string_view> position{};         // ASIS REWIND APPEND
    std::optional<std::string_view> action{};           // READWRITE READ WRITE
    std::optional<std::string_view> mode{};             // same values as action
    std::optional<std::string_view> delim{};            // NONE APOSTROPHE QUOTE
    std::optional<std::string_view> pad{};              // YES NO
    std::optional<std::string_view> carriagecontrol{};  // LIST FIRSTCHAR
    std::optional<std::string_view> share{};            // DENYNONE COMPAT DENYRD DENYWR DENYRW
};

// Connects unit `number` to the file `name`. Returns no_error, or the error
// when it is returned rather than raised (unit_number_out_of_range always
// is; the others only with unit_error_return). A blank name is
// asked for (command line, then console); a scratch file is opened with a
// blank name and status "SCRATCH".
process::RuntimeError unit_open(int number, std::string_view name, const OpenOptions& options = {}, int flags = 0);
// Disconnects the unit (nothing for a unit not connected). Disposition
// "KEEP" or "DELETE"; another text returns invalid_status.
process::RuntimeError unit_close(int number, std::optional<std::string_view> disposition = std::nullopt, int flags = 0);
// Closes every connected unit in table order (termination).
void close_all_units();

// ---- files replaced together ----
//
// A set of files written under temporary names beside the files they replace
// ("<name>.novo") and put in place only once all of them are complete, so
// that the files hold either all of the old contents or all of the new: a
// run that stops short leaves the old ones whole and removes the new ones.

// Connects unit `number` to a new file that is to replace `name`, which
// keeps its contents meanwhile. `name` must be absent or a file that could be
// written: otherwise the open fails as an open of `name` would (a folder, a
// read-only file, a file held by another program). Errors on the unit name
// `name`. What a run cut short left beside `name` is cleared first.
void unit_open_replacement(int number, std::string_view name);
// Puts the new files of the replacements opened since the last call in place
// of the old ones, all or none; their units must be closed. A failure puts
// every file back as it was, removes the new files and raises the error
// (CLOSE frame) naming the file that could not be replaced.
void unit_replacements_commit();

}  // namespace textio
