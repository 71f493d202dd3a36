// The platform layer: what the unit layer relies on from the system calls.

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/platform.h"
#include "support/child_process.h"
#include "support/emulation.h"
#include "support/scratch_folder.h"

namespace {

using platform::FileAccess;
using platform::FileCreation;
using platform::FileError;
using platform::FileHandle;

class Files : public ::testing::Test {
protected:
    std::string path(const char* leaf) const { return (folder / leaf).string(); }
    const std::filesystem::path folder = testing_support::make_scratch_folder("platform_test");
};

TEST_F(Files, CreateWriteSeekReadAndSize)
{
    FileHandle handle = platform::no_file;
    ASSERT_EQ(platform::file_open(path("f"), FileAccess::read_write, FileCreation::create_new, handle),
              FileError::none);
    std::size_t done = 0;
    ASSERT_EQ(platform::file_write(handle, "0123456789", 10, done), FileError::none);
    EXPECT_EQ(done, 10u);
    ASSERT_EQ(platform::file_set_size(handle, 4), FileError::none);
    ASSERT_EQ(platform::file_seek(handle, 1), FileError::none);
    char bytes[16];
    ASSERT_EQ(platform::file_read(handle, bytes, sizeof bytes, done), FileError::none);
    EXPECT_EQ(std::string(bytes, done), "123");
    std::int64_t size = 0;
    ASSERT_EQ(platform::file_size(handle, size), FileError::none);
    EXPECT_EQ(size, 4);
    EXPECT_TRUE(platform::file_is_regular(handle));
    EXPECT_EQ(platform::file_close(handle), FileError::none);
    EXPECT_EQ(platform::file_open(path("f"), FileAccess::read, FileCreation::create_new, handle), FileError::exists);
}

TEST_F(Files, DevicesAndPipesAreNotRegularFiles)
{
    FileHandle handle = platform::no_file;
    ASSERT_EQ(platform::file_open("/dev/null", FileAccess::read_write, FileCreation::open_existing, handle),
              FileError::none);
    EXPECT_FALSE(platform::file_is_regular(handle));
    platform::file_close(handle);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    EXPECT_FALSE(platform::file_is_regular(ends[0]));
    ::close(ends[0]);
    ::close(ends[1]);
}

TEST_F(Files, FailuresAreNamedByKind)
{
    FileHandle handle = platform::no_file;
    EXPECT_EQ(platform::file_open(path("missing"), FileAccess::read, FileCreation::open_existing, handle),
              FileError::not_found);
    EXPECT_EQ(platform::file_open(folder.string(), FileAccess::read, FileCreation::open_existing, handle),
              FileError::is_directory);
    EXPECT_EQ(platform::file_open(std::string(5000, 'n'), FileAccess::read, FileCreation::open_existing, handle),
              FileError::name_too_long);
    EXPECT_EQ(platform::file_delete(path("missing")), FileError::not_found);
    EXPECT_FALSE(platform::last_system_error_text().empty());
}

TEST_F(Files, AReadOnlyHandleCannotBeCut)
{
    FileHandle handle = platform::no_file;
    ASSERT_EQ(platform::file_open(path("f"), FileAccess::write, FileCreation::create_new, handle), FileError::none);
    platform::file_close(handle);
    ASSERT_EQ(platform::file_open(path("f"), FileAccess::read, FileCreation::open_existing, handle), FileError::none);
    EXPECT_EQ(platform::file_set_size(handle, 0), FileError::access_denied);
    platform::file_close(handle);
}

TEST_F(Files, TwoNamesOfOneFileHaveOneIdentity)
{
    FileHandle handle = platform::no_file;
    ASSERT_EQ(platform::file_open(path("f"), FileAccess::write, FileCreation::create_new, handle), FileError::none);
    std::filesystem::create_hard_link(path("f"), path("g"));
    platform::FileIdentity by_handle, by_other_name, of_another;
    platform::file_identity(handle, by_handle);
    platform::file_identity_of(path("g"), by_other_name);
    platform::file_identity_of(folder.string(), of_another);
    EXPECT_TRUE(by_handle.valid);
    EXPECT_EQ(by_handle, by_other_name);
    EXPECT_NE(by_handle, of_another);
    platform::file_close(handle);
}

TEST(Handles, TheStandardHandlesAreNeverClosed)
{
    EXPECT_EQ(platform::file_close(1), FileError::none);
    EXPECT_EQ(::fcntl(1, F_GETFD) >= 0, true);
}

TEST(Console, LinesLoseTheirLineEnds)
{
    const auto outcome = testing_support::run_in_child(
        [] {
            std::string line;
            std::string seen;
            while (platform::console_read_line(line)) seen += "[" + line + "]";
            platform::console_write(seen);
        },
        "one\r\ntwo\n\nlast");
    EXPECT_EQ(outcome.standard_output, "[one][two][][last]");
}

TEST(Memory, ObtainableMemoryIsBoundedByTheProcessLimits)
{
    DIFUSAO_SKIP_UNDER_QEMU(
        "qemu-user applies resource limits set with setrlimit to itself, not to the emulated program");
    EXPECT_GT(platform::memory_obtainable_bytes(), 0u);
    const auto outcome = testing_support::run_in_child([] {
        struct rlimit limit = {std::uint64_t{1} << 28, std::uint64_t{1} << 28};
        ::setrlimit(RLIMIT_DATA, &limit);
        std::exit(platform::memory_obtainable_bytes() <= (std::uint64_t{1} << 28) ? 0 : 3);
    });
    EXPECT_EQ(outcome.status, 0);
}

}  // namespace
