#pragma once
// Obtaining and releasing the memory of the program's arrays.

#include <cstddef>

namespace process {

// Memory for `count` doubles; a request the machine cannot serve ends the run
// with the allocation error of the array.
double* allocate_doubles(std::size_t count);
void release_doubles(double* block);

}  // namespace process
