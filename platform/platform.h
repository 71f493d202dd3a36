#pragma once
// The platform layer: files, processes, standard error, process exit and the
// floating-point control of the processor, behind a narrow interface. This
// is the only code of the program that calls the operating system.

#include "platform/files.h"
#include "platform/interruption.h"
#include "platform/spawn.h"
#include "platform/system.h"
#include "platform/terminal.h"
