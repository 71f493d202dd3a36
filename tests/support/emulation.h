#pragma once
// Tests of a cross build run under qemu-user (DIFUSAO_TESTS_UNDER_QEMU, set
// by the build). qemu-user emulates the program's own instructions, not all
// of the system around it: it keeps resource limits set with setrlimit for
// itself, and a child that fails to start reaches the parent in another way.
// Tests that depend on these are skipped there, with the reason printed.

#include <gtest/gtest.h>

namespace testing_support {

#ifdef DIFUSAO_TESTS_UNDER_QEMU
inline constexpr bool tests_run_under_qemu = true;
#else
inline constexpr bool tests_run_under_qemu = false;
#endif

}  // namespace testing_support

#define DIFUSAO_SKIP_UNDER_QEMU(reason)                                                                                \
    do {                                                                                                               \
        if (testing_support::tests_run_under_qemu) GTEST_SKIP() << "not under qemu-user: " << (reason);                \
    } while (false)
