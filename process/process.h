#pragma once
// Process support: the run-time error sink, the mathematical functions with
// their error reports and the memory of the arrays.

#include "process/math_functions.h"
#include "process/memory.h"
#include "process/runtime_error.h"
