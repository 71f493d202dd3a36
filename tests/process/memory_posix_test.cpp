// The memory budget of the arrays where the system reserves address space
// without committing memory: the budget, not the allocator, stops them.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "process/memory.h"
#include "process/run_program.h"
#include "support/emulation.h"

namespace {

const char not_enough_memory[] = "\r\nrun-time error F6772\r\n- not enough memory for the array\r\n";

// Never touched: only the budget can stop these before the system kills the
// process, so the run must end at once with the report.
TEST(Memory, ArraysTheMachineCannotHoldFailAtOnce)
{
    const auto outcome = testing_support::run_program([] {
        for (int array = 0; array < 64; ++array) process::allocate_doubles(2000000001);  // 16 GB each
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, not_enough_memory);
}

TEST(Memory, TheAddressSpaceLimitBoundsTheBudget)
{
    DIFUSAO_SKIP_UNDER_QEMU(
        "qemu-user applies resource limits set with setrlimit to itself, not to the emulated program");
    const auto outcome = testing_support::run_in_child([] {
        struct rlimit limit = {std::uint64_t{1} << 30, std::uint64_t{1} << 30};
        ::setrlimit(RLIMIT_AS, &limit);
        process::allocate_doubles(1 << 20);               // 8 MB fits
        process::allocate_doubles(std::size_t{1} << 27);  // 1 GB does not
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, not_enough_memory);
}

}  // namespace
