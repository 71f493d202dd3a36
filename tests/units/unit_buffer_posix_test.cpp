// The unit buffer on a full device and on a small file system that fills:
// POSIX devices and mounts.

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/child_process.h"
#include "textio/units/unit_record.h"
#include "units/unit_test_support.h"

namespace {

using testing_support::run_in_child;
using Buffer = testing_support::UnitFolder;
using testing_support::pattern;

TEST_F(Buffer, AWriteToAFullDeviceFailsWithDiskFull)
{
    ASSERT_EQ(textio::unit_open(7, "/dev/full"), 0);
    const auto outcome = run_in_child([] { testing_support::UnitFolder::put(7, pattern(2000)); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: WRITE(/dev/full)\r\n- cannot write: disk full\r\n");
}

// A small file system filled by a report: everything that fitted is kept.
TEST_F(Buffer, AFullDiskKeepsEverythingThatFitted)
{
    const std::string disk = path("disk");
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    const std::string file = disk + "/saida.txt";
    const std::string report = pattern(64 * 1024);
    const auto outcome = run_in_child([&] {
        textio::unit_open(5, file);
        testing_support::UnitFolder::put(5, report);
    });
    const std::string kept = contents(file);
    ::umount(disk.c_str());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: WRITE(" + file + ")\r\n- cannot write: disk full\r\n");
    EXPECT_GE(kept.size(), 8192u);
    EXPECT_LT(kept.size(), report.size());
    EXPECT_EQ(kept, report.substr(0, kept.size()));
}

}  // namespace
