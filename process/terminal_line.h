#pragma once
// A line that a layer above keeps on an interactive standard error (the
// progress line of a long computation) and that must be erased before
// anything else is written there: an error report, a child program's output.

namespace process {

// The routine that erases the line; none by default.
void set_terminal_line_eraser(void (*erase)());

// Erases the line, when one is kept.
void erase_terminal_line();

}  // namespace process
