#pragma once
// Runs a piece of a test in a child process, for what ends the process: the
// exit status, the exact bytes on standard error and standard output.

#include <functional>
#include <string>

namespace testing_support {

struct ChildOutcome {
    bool exited = false;  // ended by exit, not by a signal or an exception
    int status = -1;      // exit status
    std::string error_output;
    std::string standard_output;
};

// `body` runs in the child with standard error and standard output captured
// and standard input fed `input`; returning from it ends the child with
// status 0 through the normal exit path. The test around the call must take
// the same path again in the child (where the system has no fork, the child
// is the test program run again for this test alone: the calls before this
// one give the outcomes they gave here, and scratch folders made by the test
// are the same folders).
ChildOutcome run_in_child(const std::function<void()>& body, const std::string& input = {});

}  // namespace testing_support
