// Open and close on what only POSIX systems have: named pipes, the
// always-full device, permissions that deny a user.

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "support/child_process.h"
#include "support/unit_table.h"
#include "textio/units/unit_record.h"

namespace {

using testing_support::run_in_child;
using textio::unit_error_return;
using Units = testing_support::FreshUnitTable;

TEST_F(Units, FailuresAtCloseAreReportedUnderClose)
{
    ASSERT_FALSE(textio::unit_open(4, path("vanished")));
    std::filesystem::remove(path("vanished"));
    EXPECT_EQ(textio::unit_close(4, "DELETE", unit_error_return).number, 6404);
    EXPECT_EQ(textio::unit_select(4), nullptr);

    // Only ordinary files are removed.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_FALSE(textio::unit_open(4, path("pipe")));
    EXPECT_EQ(textio::unit_close(4, "delete", unit_error_return).number, 6404);
    EXPECT_TRUE(std::filesystem::exists(path("pipe")));
    EXPECT_EQ(textio::unit_open(4, path("pipe"), {.status = "REPLACE"}, unit_error_return).number, 6414);
    EXPECT_TRUE(std::filesystem::exists(path("pipe")));

    ASSERT_FALSE(textio::unit_open(4, "/dev/full"));
    put(4, "last buffer");
    const auto outcome = run_in_child([] { textio::unit_close(4); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: CLOSE(/dev/full)\r\n- cannot write: disk full\r\n");
    EXPECT_EQ(textio::unit_close(4, std::nullopt, unit_error_return).number, 6422);
    EXPECT_EQ(textio::unit_select(4), nullptr);
}

// Permissions do not stop root: run as root, the open is made by a child
// that has become the unprivileged user "nobody".
bool become_unprivileged()
{
    const struct passwd* nobody = ::getpwnam("nobody");
    const uid_t user = nobody != nullptr ? nobody->pw_uid : 65534;
    const gid_t group = nobody != nullptr ? nobody->pw_gid : 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(group) == 0 && ::setuid(user) == 0 && ::geteuid() != 0;
}

TEST_F(Units, AFileWithoutWritePermissionOpensReadOnly)
{
    make_file(path("temp.dat"), "old");
    ASSERT_EQ(::chmod(path("temp.dat").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);  // the unprivileged child must reach the file
    enum Outcome { read_only = 0, privileged = 3, writable = 4, not_read_only = 5 };
    const auto outcome = run_in_child([&] {
        if (::geteuid() == 0 && !become_unprivileged()) std::exit(privileged);
        if (::access(path("temp.dat").c_str(), W_OK) == 0) std::exit(writable);
        textio::unit_open(7, path("temp.dat"));
        std::exit(textio::unit_select(7)->action == textio::UnitAction::read ? read_only : not_read_only);
    });
    if (outcome.status == privileged) GTEST_SKIP() << "root here cannot become an unprivileged user";
    EXPECT_NE(outcome.status, writable) << "the file is writable by this user: the test proves nothing";
    EXPECT_EQ(outcome.status, read_only) << outcome.error_output;
}

}  // namespace
