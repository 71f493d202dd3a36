// A disk that fills up while the report is written: the run ends with the
// write error, every byte written before stays in the files and no viewer is
// started. Needs root for a small tmpfs; skipped (and said so) otherwise.

#include <sys/mount.h>
#include <unistd.h>

#include "fault_support.h"

namespace {

using namespace faults;

constexpr std::size_t disk_size = 256 * 1024;

// A tmpfs of disk_size bytes on `folder` while it lives.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& folder) : folder_(folder)
    {
        fs::create_directories(folder);
        mounted_ = ::geteuid() == 0 &&
                   ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + std::to_string(disk_size)).c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

TEST(FullDisk, ReportCutAtTheFullDiskKeepsEverythingWrittenBefore)
{
    // About 650 kB of report: the disk fills inside the coefficient block.
    const std::string data = data_file(3000, 5);
    const fs::path folder = make_scratch_folder("disco_cheio");
    SmallDisk disk(folder / "disco");
    if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root): full disk not tested";

    // The error report and the command log live off the small disk, so that
    // they are not lost to it.
    const fs::path outside = folder / "fora";
    fs::create_directories(outside);
    const fs::path interpreter = write_stand_in(outside, "exit 0");
    write_file(folder / "disco" / "dados.txt", data);
    fs::create_symlink(outside / "stderr", folder / "disco" / ".stderr");
    fs::create_symlink(outside / "comandos.log", folder / "disco" / "comandos.log");

    const ProgramRun run = run_program(folder / "disco", interpreter);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_TRUE(run.standard_error.starts_with("\r\nrun-time error F6422: WRITE(saida.txt)")) << run.standard_error;
    EXPECT_EQ(run.commands, std::vector<std::string>{"notepad dados.txt"});

    const Outputs sound = reference_run("disco_cheio_referencia", data);
    const std::string report = read_file(folder / "disco" / "saida.txt");
    EXPECT_TRUE(sound.report.starts_with(report));
    // All the room the disk had went to the report: at most the page of
    // dados.txt and one buffer short of it.
    EXPECT_GE(report.size(), disk_size - 4096 - 1024 - 4096);
    EXPECT_LT(report.size(), sound.report.size());
    EXPECT_TRUE(sound.field.starts_with(read_file(folder / "disco" / "temp.dat")));
    EXPECT_TRUE(sound.means.starts_with(read_file(folder / "disco" / "temp_med.dat")));
}

}  // namespace
