#pragma once
// The platform layer: files, processes, standard error, process exit and the
// floating-point control of the processor, behind a narrow interface. This
// is the only code of the program that calls the operating system.

#include "process/platform/files.h"
#include "process/platform/interruption.h"
#include "process/platform/spawn.h"
#include "process/platform/system.h"
#include "process/platform/terminal.h"
