// Start-up in a child process: exit statuses, the floating-point traps and
// their reports, and the units closed by termination.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "process/fp_blocks.h"
#include "process/fp_environment.h"
#include "process/runtime_error.h"
#include "process/started_process.h"
#include "process/termination.h"
#include "support/files.h"
#include "support/scratch_folder.h"

namespace {

using testing_support::read_file;
using testing_support::run_started_program;

volatile double zero = 0.0;
volatile double one = 1.0;
volatile double largest = DBL_MAX;
volatile double smallest = DBL_MIN;

// y = x op z as one block of the computation: reported by the trap, or by
// the flags where the processor cannot trap (a flag-path build).
template <class Operation>
void block(volatile double& y, double x, Operation op, double z)
{
    process::fp_block([&](auto real) { y = static_cast<double>(op(decltype(real)(x), decltype(real)(z))); });
}
const auto divide = [](auto a, auto b) { return a / b; };
const auto multiply = [](auto a, auto b) { return a * b; };

std::string temporary_file(const char* leaf) { return (testing_support::make_scratch_folder(leaf) / leaf).string(); }

TEST(StartUp, ANormalRunEndsWithStatusZeroAndSaysNothing)
{
    const auto outcome = run_started_program([] {});
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.error_output, "");
}

TEST(FloatingPointTraps, ZeroOverZeroIsInvalid)
{
    const auto outcome = run_started_program([] { block(zero, zero, divide, zero); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6101: MATH\r\n- floating-point error: invalid\r\n");
}

TEST(FloatingPointTraps, DivisionByZero)
{
    const auto outcome = run_started_program([] { block(zero, one, divide, zero); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6103: MATH\r\n- floating-point error: divide by zero\r\n");
}

TEST(FloatingPointTraps, Overflow)
{
    const auto outcome = run_started_program([] { block(largest, largest, multiply, 2.0); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6104: MATH\r\n- floating-point error: overflow\r\n");
}

TEST(FloatingPointTraps, UnderflowAndSubnormalsGoOnSilently)
{
    const auto outcome = run_started_program([] {
        const double subnormal = smallest / 4.0;  // kept, not flushed to zero
        const double vanished = subnormal * subnormal;
        if (subnormal != DBL_MIN / 4.0 || subnormal * 4.0 != DBL_MIN || vanished != 0.0) std::exit(3);
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.error_output, "");
}

TEST(FloatingPointTraps, HeldTrapsLetAnOverflowThroughAndComeBack)
{
    const auto outcome = run_started_program([] {
        {
            process::FpTrapsHeld held;
            largest = largest * 2.0;
            if (!held.flagged(platform::FpTrap::overflow)) std::exit(3);
        }
        largest = DBL_MAX;
        block(largest, largest, multiply, 2.0);
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error M6104: MATH\r\n- floating-point error: overflow\r\n");
}

TEST(Termination, AfterATrapTheOpenFilesHoldEverythingWrittenBeforeIt)
{
    const std::string first = temporary_file("saida"), second = temporary_file("temp");
    const std::string report(3000, 'r');
    const auto outcome = run_started_program([&] {
        textio::unit_open(5, first);
        textio::unit_open(7, second);
        for (const int number : {5, 7}) {
            textio::Unit& unit = *textio::unit_select(number);
            textio::unit_begin_write(unit);
            textio::unit_put(unit, report.data(), report.size());
        }
        block(zero, one, divide, zero);
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(read_file(first), report);
    EXPECT_EQ(read_file(second), report);
    std::filesystem::remove(first);
    std::filesystem::remove(second);
}

TEST(Termination, ANormalEndClosesTheUnitsAndAFileNameComesFromTheCommandLine)
{
    const std::string file = temporary_file("argument");
    const auto outcome = run_started_program(
        [] {
            textio::Unit& unit = textio::unit_select_for_transfer(9);
            textio::unit_begin_write(unit);
            textio::unit_put(unit, "from the argument", 17);
        },
        {file});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.standard_output, "");  // nothing asked on the console
    EXPECT_EQ(read_file(file), "from the argument");
    std::filesystem::remove(file);
}

// Started with a standard handle closed: the file opened next must not take
// its place, or the console record and the error report would land in it.
TEST(StartUp, AClosedStandardHandleIsNeverTakenByAFile)
{
    for (const int closed : {0, 1, 2}) {
        const std::string file = temporary_file("standard_handle");
        const auto outcome = testing_support::run_in_child([&] {
            ::close(closed);
            testing_support::started_program() = [&] {
                textio::unit_open(10, file);
                for (const int number : {10, 6}) {
                    textio::Unit& unit = *textio::unit_select(number);
                    textio::unit_begin_write(unit);
                    textio::unit_put(unit, number == 10 ? "data\n" : "console\n", number == 10 ? 5 : 8);
                }
                process::raise_runtime_error(process::errors::array_memory_exhausted, process::StatementKind::none);
            };
            static char name[] = "difusao1d";
            char* argv[] = {name, nullptr};
            process::start_up(1, argv, &textio::units_initialise, &testing_support::started_program_body);
        });
        EXPECT_EQ(outcome.status, 1) << "handle " << closed;
        EXPECT_EQ(read_file(file), "data\n") << "handle " << closed;
        std::filesystem::remove(file);
    }
}

// A trap inside termination is reported, and the operation completes with
// its default result instead of trapping again and again.
TEST(Termination, ATrapWhileTerminatingIsReportedAndTerminationGoesOn)
{
    const auto outcome = run_started_program([] {
        process::set_unit_closer([] {
            block(zero, one, divide, zero);
            if (std::isinf(zero))
                process::report_error_while_terminating(process::errors::cannot_delete_file, "cannot delete the file",
                                                        process::StatementKind::close, "x");
        });
        process::raise_runtime_error(process::errors::array_memory_exhausted, process::StatementKind::none);
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6772\r\n- not enough memory for the array\r\n"
                                    "\r\nrun-time error M6103: MATH\r\n- floating-point error: divide by zero\r\n"
                                    "\r\nrun-time error F6404: CLOSE(x)\r\n- cannot delete the file\r\n");
}

}  // namespace
