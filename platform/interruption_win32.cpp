// Ctrl-C, Ctrl-Break and the closing of the console on Windows.

#include <windows.h>

#include "platform/interruption.h"

namespace platform {

// The system's default action ends the process at once; a file still open
// cannot be removed from another thread, so nothing is removed here: what is
// left is found and removed by the next run.
void remove_when_interrupted(const std::string& /*name*/) {}
void keep_when_interrupted(const std::string& /*name*/) {}

namespace {
int hold_depth = 0;
}  // namespace

// Ctrl-C is ignored while held (Ctrl-Break and the closing of the console
// cannot be put off).
void interruption_hold()
{
    if (hold_depth++ == 0) SetConsoleCtrlHandler(nullptr, TRUE);
}

void interruption_release()
{
    if (hold_depth > 0 && --hold_depth == 0) SetConsoleCtrlHandler(nullptr, FALSE);
}

}  // namespace platform
