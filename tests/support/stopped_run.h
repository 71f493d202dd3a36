#pragma once
// A run-time error inside the test's own process: instead of the report and
// the end of the process, the error and its report reach the test as an
// exception it catches.

#include <string>
#include <string_view>

#include "process/runtime_error.h"
#include "support/unit_table.h"

namespace testing_support {

struct Stopped {
    int number;
    std::string report;
};

[[noreturn]] inline void throw_stop(process::RuntimeError error, std::string_view report)
{
    throw Stopped{error.number, std::string(report)};
}

// A fresh unit table with the hook installed for the test's life.
class StoppedRun : public FreshUnitTable {
protected:
    void SetUp() override
    {
        process::set_runtime_error_hook(&throw_stop);
        FreshUnitTable::SetUp();
    }
    void TearDown() override
    {
        FreshUnitTable::TearDown();
        process::set_runtime_error_hook(nullptr);
    }
};

}  // namespace testing_support
