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

// Bytes that allocate_doubles holds for an array of `count` doubles (its
// block with the block's header): what a check of a run's size adds up.
std::uint64_t bytes_held_for_doubles(std::uint64_t count);

// Bytes held now by allocate_doubles (for tests).
std::uint64_t doubles_bytes_held();

}  // namespace process
