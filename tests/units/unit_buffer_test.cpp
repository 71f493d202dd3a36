// The unit buffer: when bytes reach the file, cutting an existing file at
// the first write, rewriting bytes already put, reading byte by byte.

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <filesystem>

#include "textio/units/unit_record.h"
#include "units/child_process.h"
#include "units/unit_test_support.h"

namespace {

using testing_support::run_in_child;
using Buffer = testing_support::UnitFolder;

std::string pattern(std::size_t count)
{
    std::string bytes(count, ' ');
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

// A small tmpfs of `size` mounted on the new folder `disk`; false when it
// cannot be mounted here (it needs root).
bool mount_small_disk(const std::string& disk, const char* size)
{
    std::filesystem::create_directory(disk);
    return ::mount("tmpfs", disk.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
}

TEST_F(Buffer, AShortReportReachesTheDiskOnlyAtClose)
{
    ASSERT_EQ(textio::unit_open(5, path("saida.txt")), 0);
    put(5, "short report\r\n");
    EXPECT_EQ(std::filesystem::file_size(path("saida.txt")), 0u);
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), "short report\r\n");
}

TEST_F(Buffer, TheFileReceivesWholeBuffersWhileWriting)
{
    const std::string bytes = pattern(2500);
    ASSERT_EQ(textio::unit_open(7, path("temp.dat")), 0);
    put(7, bytes.substr(0, 1000));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 0u);
    put(7, bytes.substr(1000));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 2048u);
    EXPECT_EQ(textio::unit_position(*textio::unit_select(7)), 2500);
    textio::close_all_units();
    EXPECT_EQ(contents(path("temp.dat")), bytes);
}

TEST_F(Buffer, ABufferSizeOptionIsRoundedUpTo512)
{
    ASSERT_EQ(textio::unit_open(7, path("temp.dat"), {.blocksize = "600"}), 0);
    put(7, pattern(1030));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 1024u);
}

TEST_F(Buffer, AnExistingLongerFileIsReplacedExactly)
{
    make_file(path("saida.txt"), std::string(10000, 'x'));
    ASSERT_EQ(textio::unit_open(5, path("saida.txt")), 0);
    EXPECT_EQ(std::filesystem::file_size(path("saida.txt")), 10000u);  // untouched until the first write
    const std::string report = pattern(1500);
    put(5, report);
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), report);
}

TEST_F(Buffer, AFileOpenedButNeverWrittenIsLeftUntouched)
{
    const std::string old = pattern(10000);
    make_file(path("saida.txt"), old);
    ASSERT_EQ(textio::unit_open(5, path("saida.txt")), 0);
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), old);
}

TEST_F(Buffer, WritingAfterReadingCutsTheFileWhereReadingStopped)
{
    make_file(path("f"), "line one\nline two\n");
    ASSERT_EQ(textio::unit_open(1, path("f")), 0);
    textio::Unit& unit = *textio::unit_select(1);
    for (int i = 0; i < 9; ++i) textio::unit_read_byte(unit);
    textio::unit_begin_write(unit);
    textio::unit_put(unit, "new\n", 4);
    textio::unit_close(1);
    EXPECT_EQ(contents(path("f")), "line one\nnew\n");
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
    ASSERT_EQ(textio::unit_open(1, path("f")), 0);
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
        testing_support::UnitFolder::put(5, "x");
        std::_Exit(0);  // not reached
    });
    const auto size = std::filesystem::file_size(file);
    ::umount(disk.c_str());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6422: WRITE(" + file + ")\r\n- cannot write: disk full\r\n");
    EXPECT_LT(size, 40000u);
}

TEST_F(Buffer, OverwritingReachesBytesInTheBufferAndInTheFile)
{
    ASSERT_EQ(textio::unit_open(7, path("tabs")), 0);
    textio::Unit& unit = *textio::unit_select(7);
    textio::unit_begin_write(unit);
    textio::unit_put_blanks(unit, 1030);  // the first 1024 are in the file already
    textio::unit_overwrite(unit, 1020, "ABCDEFGH", 8);
    textio::unit_overwrite(unit, 0, "<", 1);
    textio::unit_put(unit, "|", 1);
    EXPECT_EQ(textio::unit_position(unit), 1031);
    textio::unit_close(7);
    std::string expected(1030, ' ');
    expected.replace(1020, 8, "ABCDEFGH");
    expected[0] = '<';
    EXPECT_EQ(contents(path("tabs")), expected + "|");
}

TEST_F(Buffer, ReadingGivesEveryByteThenTheEndOfFile)
{
    const std::string bytes = pattern(3000) + "\xff";
    make_file(path("dados.txt"), bytes);
    ASSERT_EQ(textio::unit_open(5, path("dados.txt")), 0);
    textio::Unit& unit = *textio::unit_select(5);
    std::string got;
    for (int byte; (byte = textio::unit_read_byte(unit)) >= 0;) {
        got += static_cast<char>(byte);
        if (got.size() == 1025) {  // stepping back to the first byte of a refilled buffer
            textio::unit_unread_byte(unit);
            textio::unit_unread_byte(unit);  // one level only
            EXPECT_EQ(textio::unit_read_byte(unit), static_cast<unsigned char>(got.back()));
        }
    }
    EXPECT_EQ(got, bytes);
    EXPECT_EQ(textio::unit_read_byte(unit), -1);
    EXPECT_FALSE(textio::unit_at_end(unit));
    textio::unit_mark_end(unit);
    EXPECT_TRUE(textio::unit_at_end(unit));
}

TEST_F(Buffer, ClosingAllUnitsWritesEveryLastBuffer)
{
    for (int number : {5, 7, 8}) ASSERT_EQ(textio::unit_open(number, path(std::to_string(number))), 0);
    for (int number : {5, 7, 8}) put(number, "unit " + std::to_string(number));
    textio::close_all_units();
    for (int number : {5, 7, 8}) {
        EXPECT_EQ(contents(path(std::to_string(number))), "unit " + std::to_string(number));
        EXPECT_EQ(textio::unit_select(number) == nullptr, number != 5);
    }
}

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
    if (!mount_small_disk(disk, "16k"))
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
