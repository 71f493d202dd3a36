// Fuzz target: one write statement on a scratch unit, with a record format
// and items taken from the input.
//
// Input: a flags byte (bit 0 error return, bit 1 non-advancing), an item
// count, per item a kind byte (even: integer, odd: real) and 8 value bytes,
// then the format text.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "textio/format/write_statement.h"
#include "textio/units/unit.h"

namespace {

using fuzz_support::InputBytes;
using fuzz_support::RunStopped;

constexpr int scratch_unit = 10;
constexpr std::size_t longest_format = 512;
constexpr std::size_t most_items = 16;

// Repeat counts and widths multiply the output: keep one input's output
// within a fraction of a megabyte so that slow inputs are real findings.
bool output_is_bounded(std::string_view text)
{
    double product = 1;
    std::uint64_t number = 0;
    bool in_number = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool digit = i < text.size() && text[i] >= '0' && text[i] <= '9';
        // Blanks and tabs inside a number do not end it: "11 00" counts 1100.
        const bool blank = i < text.size() && (text[i] == ' ' || text[i] == '\t');
        if (in_number && blank) continue;
        if (digit) {
            number = number * 10 + static_cast<unsigned>(text[i] - '0');
            in_number = true;
            if (number > 100000) return false;
        } else if (in_number) {
            product *= number > 0 ? static_cast<double>(number) : 1.0;
            if (product > 200000) return false;
            number = 0;
            in_number = false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::enter_scratch_folder("fuzz-record-writer");
    fuzz_support::prepare_process();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputBytes input(data, size);
    const std::uint8_t flags = input.byte();
    const std::size_t item_count = input.byte() % (most_items + 1);
    struct Item {
        bool real;
        std::int32_t integer;
        double value;
    } items[most_items];
    for (std::size_t i = 0; i < item_count; ++i) {
        items[i].real = (input.byte() & 1) != 0;
        const std::uint64_t bits = input.value<std::uint64_t>();
        items[i].integer = static_cast<std::int32_t>(bits);
        __builtin_memcpy(&items[i].value, &bits, sizeof bits);
    }
    const std::string_view text = input.rest();
    if (text.size() > longest_format || !output_is_bounded(text)) return -1;

    textio::OpenOptions scratch;
    scratch.status = "SCRATCH";
    try {
        if (textio::unit_open(scratch_unit, "", scratch)) __builtin_trap();
        int write_flags = flags & textio::format_write_error_return;
        if (flags & 2) write_flags |= textio::format_write_non_advancing;
        textio::format_write_begin(scratch_unit, text.data(), static_cast<int>(text.size()), write_flags);
        for (std::size_t i = 0; i < item_count; ++i) {
            if (items[i].real)
                textio::format_write_real(items[i].value);
            else
                textio::format_write_integer(items[i].integer);
        }
        textio::format_write_end();
    } catch (const RunStopped&) {}
    fuzz_support::reset_units();
    return 0;
}
