#pragma once
// Process support: start-up, the floating-point environment, the run-time
// error sink with the error numbers, termination, the mathematical functions
// with their error reports and the memory of the arrays.

#include "process/command_runner.h"
#include "process/error_numbers.h"
#include "process/fp_environment.h"
#include "process/math_functions.h"
#include "process/memory.h"
#include "process/runtime_error.h"
#include "process/startup.h"
#include "process/termination.h"
