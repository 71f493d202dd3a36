#pragma once
// List-directed (free-form) read statements: values separated by blanks,
// commas or line ends, each value's own characters deciding its meaning.
//
// A statement is begin, one call per item in the order of the items, end:
//
//     textio::list_read_begin(5);
//     textio::list_read_integer4(state.N);
//     textio::list_read_end();
//
// Every failure ends the run through the run-time error sink with the frame
// "READ" and the unit's file name, unless the statement asked for a status,
// an error return or an end-of-file return. One statement at a time.

#include <complex>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "process/error_numbers.h"

namespace textio {

// The type of an item's variable: the conversion applied and the bytes stored.
enum class ReadItemType : std::uint8_t {
    integer1,
    integer2,
    integer4,
    logical1,
    logical2,
    logical4,
    character,  // a string of the length given with the item, padded with blanks
    real4,
    real8,
    complex8,   // two 4-byte reals
    complex16,  // two 8-byte reals
};

// Bytes stored for one value of `type` (`character_length` for characters).
std::size_t item_size(ReadItemType type, std::size_t character_length);

// The unit number that stands for the console input.
inline constexpr int default_input_unit = -2147483647 - 1;

// What a read statement expected of the value it found wrong.
enum class ReadValueKind { integer, real, other };

// Where a value being read was found wrong.
struct ReadErrorPlace {
    std::string_view file_name;
    std::int64_t line = 0;  // of the value's text; for an end of file, the line where it was sought
    std::string_view value_name;
    std::string_view text_found;  // empty for an end of file
    ReadValueKind expected = ReadValueKind::other;
};

// The message of reading error `error` of a named value, worded by the
// layer that knows the file being read.
using ReadErrorWording = std::string (*)(process::RuntimeError error, const ReadErrorPlace& place);

// Optional returns of a statement. Without them every failure ends the run.
struct ListReadOptions {
    int* status = nullptr;      // receives 0, the error number, or -1 at end of file
    bool error_return = false;  // an error ends the statement instead of the run
    bool end_return = false;    // end of file ends the statement instead of the run
    // The name of the value read and the wording of its errors, for an error
    // message that names the line, the value and the text found (kept by
    // address for the statement).
    const char* value_name = nullptr;
    ReadErrorWording error_wording = nullptr;
};

// The outcome of a statement, as stored in the status: 0 when every item was
// read, -1 at end of file, else the error number.
inline constexpr int read_end_of_file = -1;

// Begins a statement on `unit` (-32767..32767, or default_input_unit).
void list_read_begin(int unit, const ListReadOptions& options = {});

// Reads one value into each of the `count` elements at `address`, elements of
// `type`; `character_length` is the length of each element of a character
// item. After a failure already returned, or after a slash, nothing is read.
void list_read_item(void* address, ReadItemType type, std::size_t count = 1, std::size_t character_length = 0);

// Ends the statement: the rest of the current line is left unread. Returns
// the outcome (0, read_end_of_file or the error number).
int list_read_end();

// The last value gathered: its text (without quotes or parentheses) and the
// line of the unit's file it stood on. Kept after the statement has ended,
// until the next value is gathered.
struct ListReadValueText {
    std::string_view text;
    std::int64_t line = 0;
};
ListReadValueText list_read_last_value();

// Typed forms.
inline void list_read_integer1(std::int8_t& v) { list_read_item(&v, ReadItemType::integer1); }
inline void list_read_integer2(std::int16_t& v) { list_read_item(&v, ReadItemType::integer2); }
inline void list_read_integer4(std::int32_t& v) { list_read_item(&v, ReadItemType::integer4); }
inline void list_read_logical1(std::int8_t& v) { list_read_item(&v, ReadItemType::logical1); }
inline void list_read_logical2(std::int16_t& v) { list_read_item(&v, ReadItemType::logical2); }
inline void list_read_logical4(std::int32_t& v) { list_read_item(&v, ReadItemType::logical4); }
inline void list_read_real4(float& v) { list_read_item(&v, ReadItemType::real4); }
inline void list_read_real8(double& v) { list_read_item(&v, ReadItemType::real8); }
inline void list_read_complex8(std::complex<float>& v) { list_read_item(&v, ReadItemType::complex8); }
inline void list_read_complex16(std::complex<double>& v) { list_read_item(&v, ReadItemType::complex16); }
inline void list_read_character(char* text, std::size_t length)
{
    list_read_item(text, ReadItemType::character, 1, length);
}

// Arrays: one value per element.
inline void list_read_integer4_array(std::span<std::int32_t> v)
{
    list_read_item(v.data(), ReadItemType::integer4, v.size());
}
inline void list_read_real8_array(std::span<double> v) { list_read_item(v.data(), ReadItemType::real8, v.size()); }

}  // namespace textio
