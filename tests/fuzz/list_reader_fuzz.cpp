// Fuzz target: list-directed read statements of every item type on a file
// holding the input bytes.
//
// Input: an options byte (bit 0 status, bit 1 error return, bit 2 end
// return), an item count, per item a type byte (type, element count) and a
// character length byte, then the file's bytes.

#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "fuzz_support.h"
#include "textio/listread/list_read.h"
#include "textio/units/unit.h"

namespace {

using fuzz_support::InputBytes;
using fuzz_support::RunStopped;

constexpr int data_unit = 12;
constexpr std::size_t most_items = 8;
constexpr int most_statements = 16;
constexpr std::size_t longest_file = 4096;
constexpr std::size_t type_count = 11;

struct Item {
    textio::ReadItemType type;
    std::size_t count;             // elements, 1..4
    std::size_t character_length;  // 0..40 for character items
};

// Bytes of one element: each item gets exactly its size on the heap, so that
// a store beyond it is caught.
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::enter_scratch_folder("fuzz-list-reader");
    fuzz_support::prepare_process();
    // In the program, invalid operation, division by zero and overflow trap:
    // a conversion that raises one of them would end the run with an M error
    // instead of the reader's own error number.
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputBytes input(data, size);
    const std::uint8_t option_bits = input.byte();
    const std::size_t item_count = 1 + input.byte() % most_items;
    Item items[most_items];
    for (std::size_t i = 0; i < item_count; ++i) {
        const std::uint8_t type_byte = input.byte();
        items[i].type = static_cast<textio::ReadItemType>(type_byte % type_count);
        items[i].count = 1 + (type_byte >> 6);
        items[i].character_length = input.byte() % 41;
    }
    if (input.rest().size() > longest_file) return -1;

    std::FILE* file = std::fopen("data.txt", "wb");
    if (file == nullptr) __builtin_trap();
    std::fwrite(input.rest().data(), 1, input.rest().size(), file);
    std::fclose(file);

    int status = 0;
    textio::ListReadOptions options;
    if (option_bits & 1) options.status = &status;
    options.error_return = (option_bits & 2) != 0;
    options.end_return = (option_bits & 4) != 0;

    std::vector<std::unique_ptr<unsigned char[]>> storage;
    for (std::size_t i = 0; i < item_count; ++i)
        storage.push_back(std::make_unique<unsigned char[]>(
            items[i].count * textio::item_size(items[i].type, items[i].character_length)));
    try {
        if (textio::unit_open(data_unit, "data.txt")) __builtin_trap();
        for (int statement = 0; statement < most_statements; ++statement) {
            textio::list_read_begin(data_unit, options);
            for (std::size_t i = 0; i < item_count; ++i)
                textio::list_read_item(storage[i].get(), items[i].type, items[i].count, items[i].character_length);
            if (textio::list_read_end() != 0) break;
        }
    } catch (const RunStopped&) {}
    fuzz_support::reset_units();
    return 0;
}
