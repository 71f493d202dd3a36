#pragma once
// The process ended from outside while it runs: an interrupt from the
// keyboard (Ctrl-C), the end of the terminal session, a request to end.

#include <string>

namespace platform {

// Files to remove when such a signal ends the process (where the system lets
// a file still open be removed: POSIX); the signal then ends the process as
// it would have. At most a few names; a name given twice is kept once.
void remove_when_interrupted(const std::string& name);
void keep_when_interrupted(const std::string& name);

// While held, such a signal waits: a step that must not be cut halfway (the
// renames that put a set of files in place) runs to its end, and the signal
// takes effect when it is released.
void interruption_hold();
void interruption_release();

}  // namespace platform
