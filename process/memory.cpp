#include "process/memory.h"

#include <cstdlib>

#include "process/runtime_error.h"

namespace process {

double* allocate_doubles(std::size_t count)
{
    void* block = std::malloc(count == 0 ? 1 : count * sizeof(double));
    if (block == nullptr) raise_runtime_error(6772, StatementKind::none);
    return static_cast<double*>(block);
}

void release_doubles(double* block) { std::free(block); }

}  // namespace process
