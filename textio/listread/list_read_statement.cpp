// The read statement: begin on a unit, one value per item element, end by
// leaving the rest of the line.

#include <cstdint>
#include <string>

#include "process/error_numbers.h"
#include "process/runtime_error.h"
#include "textio/listread/item_conversion.h"
#include "textio/listread/list_read.h"
#include "textio/listread/token_gatherer.h"
#include "textio/units/unit.h"

namespace textio {

namespace errors = process::errors;

namespace {

using namespace listread;

// The bytes of a unit's buffer; the line of the last byte that was not a
// line feed is kept, the line of a value's text once it is gathered.
class UnitByteSource final : public ByteSource {
public:
    UnitByteSource(Unit& unit, std::int64_t& line) : unit_(unit), line_(line) {}
    int read_byte() override
    {
        const int c = unit_read_byte(unit_);
        if (c >= 0 && c != '\n') line_ = unit_line_number(unit_);
        return c;
    }
    void unread_byte() override { unit_unread_byte(unit_); }

private:
    Unit& unit_;
    std::int64_t& line_;
};

// The one statement in progress.
struct ReadStatement {
    int unit_number = 0;
    Unit* unit = nullptr;  // selected by the first item or by the end
    ListReadOptions options;
    int outcome = 0;  // 0, read_end_of_file or an error number
    process::RuntimeError failure = errors::no_error;
    GatherState gather;
    ReadItemType type = ReadItemType::integer4;  // of the item being read
    std::int64_t value_line = 0;
};

ReadStatement statement;

// The message of a failure of a named value: its line, name and text.
std::string message_naming_the_value(process::RuntimeError error)
{
    ReadErrorPlace place;
    place.file_name = statement.unit ? std::string_view(unit_name(*statement.unit)) : std::string_view{};
    place.value_name = statement.options.value_name;
    if (error == errors::end_of_file_while_reading) {
        place.line = statement.unit ? unit_line_number(*statement.unit) : 0;
    } else {
        place.line = statement.value_line;
        place.text_found = statement.gather.token.view();
    }
    switch (statement.type) {
    case ReadItemType::integer1:
    case ReadItemType::integer2:
    case ReadItemType::integer4: place.expected = ReadValueKind::integer; break;
    case ReadItemType::real4:
    case ReadItemType::real8: place.expected = ReadValueKind::real; break;
    default: place.expected = ReadValueKind::other; break;
    }
    return statement.options.error_wording(error, place);
}

// Ends the statement with `error`: returned to the caller when the statement
// asked for it, else reported (which ends the run).
void fail(process::RuntimeError error)
{
    const ListReadOptions& options = statement.options;
    const bool end_of_file = error == errors::end_of_file_while_reading;
    if (end_of_file && statement.unit) unit_mark_end(*statement.unit);
    const bool returned = options.status || (end_of_file ? options.end_return : options.error_return);
    statement.failure = error;
    statement.outcome = end_of_file && returned ? read_end_of_file : error.number;
    if (options.status) *options.status = statement.outcome;
    if (returned) return;
    if (error == errors::unit_number_out_of_range) process::raise_runtime_error(error, process::StatementKind::none);
    const std::string_view file_name = statement.unit ? unit_name(*statement.unit) : std::string_view{};
    if (options.error_wording != nullptr)
        process::report_runtime_error(error, message_naming_the_value(error), process::StatementKind::read, file_name);
    process::raise_runtime_error(error, process::StatementKind::read, file_name);
}

// The unit of the statement, connected if need be; false after a failure.
bool select_unit()
{
    if (statement.unit) return true;
    const int number = statement.unit_number == default_input_unit ? 5 : statement.unit_number;
    statement.unit = &unit_select_for_transfer(number);
    if (unit_at_end(*statement.unit)) {
        fail(errors::read_after_end_of_file);
        return false;
    }
    return true;
}

}  // namespace

void list_read_begin(int unit, const ListReadOptions& options)
{
    statement.unit_number = unit;
    statement.unit = nullptr;
    statement.options = options;
    statement.outcome = 0;
    statement.failure = errors::no_error;
    statement.gather.begin_statement();
    if (options.status) *options.status = 0;
    if (unit != default_input_unit && !unit_number_valid(unit)) fail(errors::unit_number_out_of_range);
}

void list_read_item(void* address, ReadItemType type, std::size_t count, std::size_t character_length)
{
    if (statement.outcome != 0 || !select_unit()) return;
    UnitByteSource source(*statement.unit, statement.value_line);
    GatherState& gather = statement.gather;
    statement.type = type;
    const std::size_t size = item_size(type, character_length);
    auto* element = static_cast<unsigned char*>(address);
    for (std::size_t i = 0; i < count; ++i, element += size) {
        if (gather.input_ended()) return;  // after a slash the rest keep their values
        process::RuntimeError error = gather_token(source, gather);
        if (!error) error = store_token(gather.token, element, type, character_length);
        if (error) {
            fail(error);
            return;
        }
    }
}

int list_read_end()
{
    // The rest of the line is left unread, unless the statement never reached
    // its unit or the unit has met its end.
    const process::RuntimeError failure = statement.failure;
    const bool unit_usable = failure != errors::end_of_file_while_reading &&
                             failure != errors::unit_number_out_of_range && failure != errors::read_after_end_of_file;
    if (unit_usable && select_unit() && !statement.gather.ended_at_record_end) {
        std::int64_t line_after = 0;  // the value's line stays as it was gathered
        UnitByteSource source(*statement.unit, line_after);
        skip_rest_of_record(source);
    }
    statement.unit = nullptr;
    return statement.outcome;
}

ListReadValueText list_read_last_value() { return {statement.gather.token.view(), statement.value_line}; }

std::size_t item_size(ReadItemType type, std::size_t character_length)
{
    switch (type) {
    case ReadItemType::integer1:
    case ReadItemType::logical1: return sizeof(std::int8_t);
    case ReadItemType::integer2:
    case ReadItemType::logical2: return sizeof(std::int16_t);
    case ReadItemType::integer4:
    case ReadItemType::logical4: return sizeof(std::int32_t);
    case ReadItemType::real4: return sizeof(float);
    case ReadItemType::real8: return sizeof(double);
    case ReadItemType::complex8: return sizeof(std::complex<float>);
    case ReadItemType::complex16: return sizeof(std::complex<double>);
    case ReadItemType::character: return character_length;
    }
    return 1;
}

}  // namespace textio
