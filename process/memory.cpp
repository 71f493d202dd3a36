#include "process/memory.h"

#include <cstdlib>
#include <limits>

#include "platform/system.h"
#include "process/runtime_error.h"

namespace process {

namespace {

// In front of every block: its size, so that release can give it back to the
// running total. Its alignment keeps the doubles aligned as malloc's are.
struct alignas(std::max_align_t) BlockHeader {
    std::size_t bytes;
};

bool budget_known = false;
std::uint64_t budget = 0;
std::uint64_t held = 0;

// Released blocks kept for the next request of the same size. The solver
// obtains and releases its two work arrays at every time step; for large
// arrays the allocator would give their pages back to the system each time
// and the sweep would fault them in again. Kept blocks still count as held.
constexpr int kept_capacity = 2;
BlockHeader* kept[kept_capacity] = {};

BlockHeader* take_kept(std::size_t bytes)
{
    for (BlockHeader*& block : kept) {
        if (block != nullptr && block->bytes == bytes) {
            BlockHeader* found = block;
            block = nullptr;
            return found;
        }
    }
    return nullptr;
}

void free_block(BlockHeader* header)
{
    held -= header->bytes;
    std::free(header);
}

void free_kept()
{
    for (BlockHeader*& block : kept) {
        if (block != nullptr) free_block(block);
        block = nullptr;
    }
}

[[noreturn]] void fail() { raise_runtime_error(errors::array_memory_exhausted, StatementKind::none); }

}  // namespace

std::uint64_t bytes_held_for_doubles(std::uint64_t count)
{
    return sizeof(BlockHeader) + (count == 0 ? 1 : count) * sizeof(double);
}

double* allocate_doubles(std::size_t count)
{
    constexpr std::size_t largest_count =
        (std::numeric_limits<std::size_t>::max() - sizeof(BlockHeader)) / sizeof(double);
    if (count > largest_count) fail();
    const auto bytes = static_cast<std::size_t>(bytes_held_for_doubles(count));

    if (!budget_known) {
        budget = platform::memory_obtainable_bytes();
        budget_known = true;
    }
    if (BlockHeader* reused = take_kept(bytes)) return reinterpret_cast<double*>(reused + 1);
    if (bytes > budget || held > budget - bytes) free_kept();
    if (bytes > budget || held > budget - bytes) fail();

    auto* header = static_cast<BlockHeader*>(std::malloc(bytes));
    if (header == nullptr) fail();
    header->bytes = bytes;
    held += bytes;
    return reinterpret_cast<double*>(header + 1);
}

void release_doubles(double* block)
{
    if (block == nullptr) return;
    BlockHeader* header = reinterpret_cast<BlockHeader*>(block) - 1;
    for (BlockHeader*& slot : kept) {
        if (slot == nullptr) {
            slot = header;
            return;
        }
    }
    free_block(kept[0]);  // the older of the two
    kept[0] = kept[1];
    kept[1] = header;
}

std::uint64_t doubles_bytes_held() { return held; }

}  // namespace process
