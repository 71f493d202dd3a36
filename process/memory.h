#pragma once
// Obtaining and releasing the memory of the program's arrays.

#include <cstddef>
#include <cstdint>

namespace process {

// Memory for `count` doubles; a request the machine cannot serve ends the run
// with the allocation error of the array (F6772), at once: the request plus
// what this allocator already holds is compared with the memory the machine
// could give when the first array was asked for, because an allocation that
// merely reserves address space would succeed and the process be killed
// later, when the memory is touched.
double* allocate_doubles(std::size_t count);
void release_doubles(double* block);

// Bytes held now by allocate_doubles (for tests).
std::uint64_t doubles_bytes_held();

}  // namespace process
