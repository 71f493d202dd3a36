// Open and close on what only POSIX systems have: named pipes, the
// always-full device, permissions that deny the owner.

#include <sys/stat.h>
#include <unistd.h>

#include "support/child_process.h"
#include "textio/units/unit_record.h"
#include "units/unit_test_support.h"

namespace {

using testing_support::run_in_child;
using textio::unit_error_return;
using Units = testing_support::UnitFolder;

TEST_F(Units, FailuresAtCloseAreReportedUnderClose)
{
    ASSERT_EQ(textio::unit_open(4, path("vanished")), 0);
    std::filesystem::remove(path("vanished"));
    EXPECT_EQ(textio::unit_close(4, "DELETE", unit_error_return), 6404);
    EXPECT_EQ(textio::unit_select(4), nullptr);

    // Only ordinary files are removed.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(textio::unit_open(4, path("pipe")), 0);
    EXPECT_EQ(textio::unit_close(4, "delete", unit_error_return), 6404);
    EXPECT_TRUE(std::filesystem::exists(path("pipe")));
    EXPECT_EQ(textio::unit_open(4, path("pipe"), {.status = "REPLACE"}, unit_error_return), 6414);
    EXPECT_TRUE(std::filesystem::exists(path("pipe")));

    ASSERT_EQ(textio::unit_open(4, "/dev/full"), 0);
    put(4, "last buffer");
    const auto outcome = run_in_child([] { textio::unit_close(4); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: CLOSE(/dev/full)\r\n- cannot write: disk full\r\n");
    EXPECT_EQ(textio::unit_close(4, std::nullopt, unit_error_return), 6422);
    EXPECT_EQ(textio::unit_select(4), nullptr);
}

TEST_F(Units, AFileWithoutWritePermissionOpensReadOnly)
{
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: file permissions do not stop the owner";
    make_file(path("temp.dat"), "old");
    ::chmod(path("temp.dat").c_str(), 0444);
    ASSERT_EQ(textio::unit_open(7, path("temp.dat")), 0);
    EXPECT_EQ(textio::unit_select(7)->action, textio::UnitAction::read);
}

}  // namespace
