// The unit buffer where the file system fills or the file is extended past
// its end: POSIX devices, mounts and block counts.

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/child_process.h"
#include "support/unit_table.h"
#include "textio/units/unit_record.h"

namespace {

using testing_support::run_in_child;
using Buffer = testing_support::FreshUnitTable;
using testing_support::pattern;

// A small tmpfs of `size` mounted on the new folder `disk`; false when it
// cannot be mounted here (it needs root).
bool mount_small_disk(const std::string& disk, const char* size)
{
    std::filesystem::create_directory(disk);
    return ::mount("tmpfs", disk.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
}

// Reads `count` bytes of unit `number`, then lets another process cut its
// file to `size` bytes: the logical position is then past the end.
void read_then_shorten(int number, int count, const std::string& file, std::uintmax_t size)
{
    textio::Unit& unit = *textio::unit_select(number);
    for (int i = 0; i < count; ++i) ASSERT_GE(textio::unit_read_byte(unit), 0);
    std::filesystem::resize_file(file, size);
}

TEST_F(Buffer, WritingPastTheEndExtendsTheFileWithZeroBytes)
{
    const std::string old = pattern(20000);
    make_file(path("f"), old);
    ASSERT_FALSE(textio::unit_open(1, path("f")));
    read_then_shorten(1, 15000, path("f"), 100);
    put(1, "new\n");
    textio::unit_close(1);
    EXPECT_EQ(contents(path("f")), old.substr(0, 100) + std::string(14900, '\0') + "new\n");
    struct stat status;
    ASSERT_EQ(::stat(path("f").c_str(), &status), 0);
    EXPECT_GE(status.st_blocks * 512, 15000) << "the zero bytes are written, not left as a hole";
}

// The zero bytes need room on the disk: a disk without it fails the write
// statement that extends, not the close at termination.
TEST_F(Buffer, ExtendingOntoAFullDiskFailsAtTheWriteStatement)
{
    const std::string disk = path("disk");
    if (!mount_small_disk(disk, "64k"))
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    const std::string file = disk + "/dados.txt";
    make_file(file, pattern(40000));
    const auto outcome = run_in_child([&] {
        textio::unit_open(5, file);
        read_then_shorten(5, 40000, file, 0);
        make_file(disk + "/filler", pattern(40000));  // the room the zero bytes would need
        testing_support::FreshUnitTable::put(5, "x");
        std::_Exit(0);  // not reached
    });
    const auto size = std::filesystem::file_size(file);
    ::umount(disk.c_str());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: WRITE(" + file + ")\r\n- cannot write: disk full\r\n");
    EXPECT_LT(size, 40000u);
}

TEST_F(Buffer, AWriteToAFullDeviceFailsWithDiskFull)
{
    ASSERT_FALSE(textio::unit_open(7, "/dev/full"));
    const auto outcome = run_in_child([] { testing_support::FreshUnitTable::put(7, pattern(2000)); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: WRITE(/dev/full)\r\n- cannot write: disk full\r\n");
}

// A small file system filled by a report: everything that fitted is kept.
TEST_F(Buffer, AFullDiskKeepsEverythingThatFitted)
{
    const std::string disk = path("disk");
    if (!mount_small_disk(disk, "16k"))
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    const std::string file = disk + "/saida.txt";
    const std::string report = pattern(64 * 1024);
    const auto outcome = run_in_child([&] {
        textio::unit_open(5, file);
        testing_support::FreshUnitTable::put(5, report);
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
