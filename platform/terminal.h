#pragma once
// The terminal and the programs around the process: whether a standard
// stream is an interactive terminal, whether a program can be found by name,
// and a periodic call while a long computation runs.

namespace platform {

// Standard error is an interactive terminal (a console that a person sees).
bool standard_error_is_terminal();

// A program of this name can be started by name: found on the PATH and
// executable (a name with a folder separator is taken as a path).
bool program_on_path(const char* name);

// Calls `callback` once `first_delay_ms` milliseconds have passed and then
// every `period_ms`, until periodic_call_stop. The callback runs
// asynchronously to the program (in a signal handler or on another thread):
// it may only read lock-free atomics and write to standard error. One
// periodic call at a time; false when none could be set up.
bool periodic_call_start(void (*callback)(), unsigned first_delay_ms, unsigned period_ms);
// Stops the calls; when it returns, no call is running or will start.
void periodic_call_stop();

}  // namespace platform
