// Allocation of the arrays: a request the machine cannot hold fails at once.

#include <gtest/gtest.h>

#include <cstdint>

#include "process/memory.h"
#include "process/started_process.h"

namespace {

const char not_enough_memory[] = "\r\nrun-time error F6772\r\n- not enough memory for the array\r\n";

TEST(Memory, BlocksAreCountedWhileHeld)
{
    const std::uint64_t before = process::doubles_bytes_held();
    double* block = process::allocate_doubles(1000);
    block[0] = block[999] = 1.0;
    EXPECT_GE(process::doubles_bytes_held() - before, 8000u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
    process::release_doubles(block);
    EXPECT_LE(process::doubles_bytes_held() - before, 8000u + 64u) << "at most the kept block stays counted";
}

// The solver obtains and releases two work arrays at every step: the next
// request of the same size gets a released block back instead of new pages.
TEST(Memory, ReleasedBlocksServeTheNextRequestOfTheirSize)
{
    double* P = process::allocate_doubles(300000);
    double* Q = process::allocate_doubles(300000);
    // Blocks of other sizes kept by earlier tests give way first.
    process::release_doubles(P);
    process::release_doubles(Q);
    P = process::allocate_doubles(300000);
    Q = process::allocate_doubles(300000);
    const std::uint64_t with_both = process::doubles_bytes_held();
    process::release_doubles(P);
    process::release_doubles(Q);
    double* P_again = process::allocate_doubles(300000);
    double* Q_again = process::allocate_doubles(300000);
    EXPECT_TRUE((P_again == P && Q_again == Q) || (P_again == Q && Q_again == P));
    // No new memory (a block kept from an earlier request may have gone).
    EXPECT_LE(process::doubles_bytes_held(), with_both);
    process::release_doubles(P_again);
    process::release_doubles(Q_again);
}

TEST(Memory, ACountWhoseSizeOverflowsFails)
{
    const auto outcome = testing_support::run_in_child([] { process::allocate_doubles(SIZE_MAX / 4); });
    EXPECT_EQ(outcome.error_output, not_enough_memory);
}

}  // namespace
