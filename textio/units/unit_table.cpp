// The unit table, the console records and the selection of a unit.

#include <array>
#include <charconv>

#include "platform/system.h"
#include "process/error_numbers.h"
#include "process/startup.h"
#include "process/termination.h"
#include "textio/units/unit_record.h"

namespace textio {

namespace errors = process::errors;

namespace {

std::array<std::unique_ptr<Unit>, unit_table_slots> table;

// The preconnected console: unit 5 reads standard input, units 0 and 6
// write standard output. Two records, so that read-ahead of the keyboard
// and output to the screen never share a buffer.
std::unique_ptr<Unit> console_input;
std::unique_ptr<Unit> console_output;

std::unique_ptr<Unit> make_console_record(int number, int standard_number, bool writing)
{
    auto unit = std::make_unique<Unit>();
    unit->number = number;
    unit->name = standard_number == 0 ? "stdin" : "stdout";
    unit->handle = platform::standard_file(standard_number);
    unit->mode = UnitMode::console;
    unit->console = true;
    unit->writing = writing;
    unit->action = writing ? UnitAction::write : UnitAction::read;
    unit->carriage_control = UnitCarriageControl::first_character;
    unit->buffer = std::make_unique<char[]>(default_buffer_size);
    return unit;
}

}  // namespace

void units_initialise()
{
    for (auto& slot : table) slot.reset();
    console_input = make_console_record(5, 0, false);
    console_output = make_console_record(6, 1, true);
    process::set_unit_closer(&close_all_units);
}

Unit* unit_table_find(int number)
{
    for (auto& slot : table)
        if (slot && slot->number == number) return slot.get();
    return nullptr;
}

int unit_table_free_slot()
{
    for (int slot = 0; slot < unit_table_slots; ++slot)
        if (!table[static_cast<std::size_t>(slot)]) return slot;
    return -1;
}

void unit_table_put(int slot, std::unique_ptr<Unit> unit) { table[static_cast<std::size_t>(slot)] = std::move(unit); }

std::unique_ptr<Unit> unit_table_take(int number)
{
    for (auto& slot : table)
        if (slot && slot->number == number) return std::move(slot);
    return nullptr;
}

Unit* unit_table_find_file(const platform::FileIdentity& identity)
{
    if (!identity.valid) return nullptr;
    for (auto& slot : table)
        if (slot && slot->identity == identity) return slot.get();
    return nullptr;
}

Unit* unit_select(int number)
{
    if (Unit* unit = unit_table_find(number)) return unit;
    if (number == 5 && console_input) return console_input.get();
    if ((number == 0 || number == 6) && console_output) return console_output.get();
    return nullptr;
}

std::string unit_ask_file_name(int number)
{
    if (std::optional<std::string> argument = process::take_command_argument()) {
        const std::string_view name = trim_blanks(*argument);
        if (!name.empty()) return std::string(name);
    }
    if (console_output) unit_flush(*console_output);
    char digits[16];
    const auto converted = std::to_chars(digits, digits + sizeof digits, number);
    std::string prompt = "File name missing or blank - please enter file name\r\nUNIT ";
    prompt.append(digits, converted.ptr);
    prompt += "? ";
    std::string answer;
    for (;;) {
        platform::console_write(prompt);
        if (!platform::console_read_line(answer)) {
            // Asking again would never end.
            process::report_runtime_error(errors::file_not_found, "file name missing: end of input on the console",
                                          process::StatementKind::open);
        }
        const std::string_view name = trim_blanks(answer);
        if (!name.empty()) return std::string(name);
    }
}

Unit& unit_select_for_transfer(int number)
{
    if (!unit_number_valid(number))
        process::raise_runtime_error(errors::unit_number_out_of_range, process::StatementKind::none);
    if (Unit* unit = unit_select(number)) return *unit;
    const std::string name = unit_ask_file_name(number);
    unit_open(number, name);  // connects it, or ends the run
    return *unit_select(number);
}

const std::string& unit_name(const Unit& unit) { return unit.name; }

bool unit_first_char_control(const Unit& unit) { return unit.carriage_control == UnitCarriageControl::first_character; }

bool unit_record_open(const Unit& unit) { return unit.record_open; }

void unit_set_record_open(Unit& unit, bool open) { unit.record_open = open; }

void close_all_units()
{
    // Unfinished replacements are dropped, not completed: the files they
    // were to replace stay as they were.
    unit_replacements_discard();
    // Every unit is closed even after one fails: the records of the others
    // must reach their files all the same.
    for (auto& slot : table)
        if (slot) unit_close(slot->number, std::nullopt, unit_closing_at_exit);
    if (console_output) {
        unit_flush(*console_output);
        if (console_output->console_line_unfinished) {
            platform::console_write("\r\n");
            console_output->console_line_unfinished = false;
        }
    }
}

}  // namespace textio
