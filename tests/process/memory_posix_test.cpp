// The memory budget of the arrays where the system reserves address space
// without committing memory: the budget, not the allocator, stops them. Each
// test sets its own address-space limit in a child, so that none depends on
// the memory the machine has free (nor can take it).

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "process/memory.h"
#include "process/started_process.h"
#include "support/emulation.h"

namespace {

const char not_enough_memory[] = "\r\nrun-time error F6772\r\n- not enough memory for the array\r\n";

// The address space of the child limited to 1 GB: the limit, not the free
// memory of the machine, decides what the run can hold.
void limit_address_space_to_1_gb()
{
    const struct rlimit limit = {std::uint64_t{1} << 30, std::uint64_t{1} << 30};
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &limit), 0);
}

// Never touched: where the system reserves address space without committing
// memory, only the budget stops these before the system kills the process,
// so the run must end at once with the report, however the arrays are asked.
TEST(Memory, ArraysBeyondTheAddressSpaceLimitFailAtOnce)
{
    DIFUSAO_SKIP_UNDER_QEMU(
        "qemu-user applies resource limits set with setrlimit to itself, not to the emulated program");
    struct Request {
        const char* what;
        std::size_t doubles;  // of each array
        int arrays;
    };
    for (const Request& request :
         {Request{"one array of 16 GB", 2000000001, 1}, Request{"64 arrays of 16 GB", 2000000001, 64},
          Request{"64 arrays of 64 MB, 4 GB together", std::size_t{1} << 23, 64}}) {
        const auto outcome = testing_support::run_started_program([&] {
            limit_address_space_to_1_gb();
            for (int array = 0; array < request.arrays; ++array) process::allocate_doubles(request.doubles);
        });
        EXPECT_EQ(outcome.status, 1) << request.what;
        EXPECT_EQ(outcome.error_output, not_enough_memory) << request.what;
    }
}

TEST(Memory, TheAddressSpaceLimitBoundsTheBudget)
{
    DIFUSAO_SKIP_UNDER_QEMU(
        "qemu-user applies resource limits set with setrlimit to itself, not to the emulated program");
    const auto outcome = testing_support::run_in_child([] {
        limit_address_space_to_1_gb();
        process::allocate_doubles(1 << 20);               // 8 MB fits
        process::allocate_doubles(std::size_t{1} << 27);  // 1 GB does not
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, not_enough_memory);
}

}  // namespace
