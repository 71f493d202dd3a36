#include "process/memory.h"

#include <cstdlib>
#include <limits>

#include "process/platform/system.h"
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

double* fail()
{
    raise_runtime_error(6772, StatementKind::none);
    return nullptr;
}

}  // namespace

double* allocate_doubles(std::size_t count)
{
    constexpr std::size_t largest_count =
        (std::numeric_limits<std::size_t>::max() - sizeof(BlockHeader)) / sizeof(double);
    if (count > largest_count) return fail();
    const std::size_t bytes = sizeof(BlockHeader) + (count == 0 ? 1 : count) * sizeof(double);

    if (!budget_known) {
        budget = platform::memory_obtainable_bytes();
        budget_known = true;
    }
    if (bytes > budget || held > budget - bytes) return fail();

    auto* header = static_cast<BlockHeader*>(std::malloc(bytes));
    if (header == nullptr) return fail();
    header->bytes = bytes;
    held += bytes;
    return reinterpret_cast<double*>(header + 1);
}

void release_doubles(double* block)
{
    if (block == nullptr) return;
    BlockHeader* header = reinterpret_cast<BlockHeader*>(block) - 1;
    held -= header->bytes;
    std::free(header);
}

std::uint64_t doubles_bytes_held() { return held; }

}  // namespace process
