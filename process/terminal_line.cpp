#include "process/terminal_line.h"

namespace process {

namespace {
void (*eraser)() = nullptr;
}

void set_terminal_line_eraser(void (*erase)()) { eraser = erase; }

void erase_terminal_line()
{
    if (eraser != nullptr) eraser();
}

}  // namespace process
