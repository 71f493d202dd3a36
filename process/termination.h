#pragma once
// The end of the run: the termination routine that closes every unit, run
// once at process exit whether the run ended normally or by an error.

namespace process {

// The I/O layer hands over its routine that closes every unit when it is
// initialised (the I/O layer sits above this one).
void set_unit_closer(void (*close_all_units)());

// Set from the moment terminate_units starts: report_error_while_terminating
// then returns instead of ending the process a second time.
bool termination_in_progress();

// Closes every unit still connected; runs once (later calls return at once).
void terminate_units();

}  // namespace process
