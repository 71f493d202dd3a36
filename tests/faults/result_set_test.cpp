// The three results are one set: a run that fails or is cut short leaves
// the previous run's saida.txt, temp.dat and temp_med.dat whole, with no
// partial file beside them, and its report names the file it could not
// write; a second run started while one runs in the folder stops at once.

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fcntl.h>

#include <functional>

#include "fault_support.h"

namespace {

using namespace faults;

const char* const result_names[] = {"saida.txt", "temp.dat", "temp_med.dat"};
const std::string previous = "resultado anterior\r\n";

// The folder's files other than the test's own (log, stand-in, error file).
std::vector<std::string> left_in(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const std::string& name : folder_contents(folder))
        if (name != "comandos.log" && name != "interpretador.sh" && name != ".stderr" && name != "disco")
            names.push_back(name);
    return names;
}

// temp.dat made unwritable: immutable for root, whom permissions do not stop.
bool make_read_only(const fs::path& file)
{
    if (::geteuid() != 0) {
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        return true;
    }
    const int handle = ::open(file.c_str(), O_RDONLY);
    int flags = 0;
    const bool done = handle >= 0 && ::ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0 &&
                      (flags |= FS_IMMUTABLE_FL, ::ioctl(handle, FS_IOC_SETFLAGS, &flags) == 0);
    if (handle >= 0) ::close(handle);
    return done;
}

void make_writable(const fs::path& file)
{
    const int handle = ::open(file.c_str(), O_RDONLY);
    int flags = 0;
    if (handle >= 0 && ::ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(handle, FS_IOC_SETFLAGS, &flags);
    }
    if (handle >= 0) ::close(handle);
    fs::permissions(file, fs::perms::owner_all);
}

// The stand-in, at the editor's turn, signals the program once its new
// report has begun to fill.
std::string signal_when_writing(const char* signal)
{
    return std::string("case \"$cmd\" in notepad\\ dados.txt) (i=0; while [ ! -s saida.txt.novo ] && "
                       "[ $i -lt 3000 ]; do sleep 0.01; i=$((i+1)); done; kill -") +
           signal + " $PPID) & ;; esac; exit 0";
}

struct Fault {
    const char* name;
    std::function<bool(const fs::path&)> prepare;  // false: cannot be made here
    std::string behaviour;                         // of the stand-in
    int exit_status;
    std::string report;  // what standard error starts with
    bool needs_large_output = false;
};

void PrintTo(const Fault& f, std::ostream* out) { *out << f.name; }

class FailedRun : public ::testing::TestWithParam<Fault> {};

TEST_P(FailedRun, LeavesThePreviousResultsWholeAndNamesTheFile)
{
    const Fault& fault = GetParam();
    const fs::path folder = make_scratch_folder(fault.name);
    const std::string data = fault.needs_large_output ? data_file(300000, 10) : data_file(4, 3);
    write_file(folder / "dados.txt", data);
    for (const char* name : result_names) write_file(folder / name, previous);
    if (!fault.prepare(folder)) GTEST_SKIP() << fault.name << " cannot be made here (needs root)";

    const ProgramRun run = run_program(folder, write_stand_in(folder, fault.behaviour));
    make_writable(folder / "temp.dat");
    EXPECT_EQ(run.exit_status, fault.exit_status);
    EXPECT_TRUE(run.standard_error.starts_with(fault.report)) << run.standard_error;
    for (const char* name : result_names) EXPECT_EQ(read_file(folder / name), previous) << name;
    EXPECT_EQ(left_in(folder), (std::vector<std::string>{"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedRun,
    ::testing::Values(Fault{"somente_leitura", [](const fs::path& f) { return make_read_only(f / "temp.dat"); },
                            "exit 0", 1, "\r\nrun-time error F6414: OPEN(temp.dat)"},
                      Fault{"interrompida", [](const fs::path&) { return true; }, signal_when_writing("TERM"),
                            128 + SIGTERM, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A disk that fills while the report is written. Needs root for a small
// tmpfs; skipped (and said so) otherwise.
TEST(FullDisk, LeavesThePreviousResultsWholeAndNamesTheFile)
{
    const fs::path folder = make_scratch_folder("disco_cheio");
    const fs::path disk = folder / "disco";
    fs::create_directories(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=262144") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root): full disk not tested";
    // The error report and the command log live off the small disk.
    const fs::path interpreter = write_stand_in(folder, "exit 0");
    fs::create_symlink(folder / "stderr", disk / ".stderr");
    fs::create_symlink(folder / "comandos.log", disk / "comandos.log");
    write_file(disk / "dados.txt", data_file(3000, 5));  // about 650 kB of report
    for (const char* name : result_names) write_file(disk / name, previous);

    const ProgramRun run = run_program(disk, interpreter);
    const std::vector<std::string> left = left_in(disk);
    ::umount2(disk.c_str(), MNT_DETACH);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_TRUE(run.standard_error.starts_with("\r\nrun-time error F6422: WRITE(saida.txt)")) << run.standard_error;
    EXPECT_EQ(left, (std::vector<std::string>{"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"}));
}

// A second run started in the folder while the first waits on its editor
// stops at once; the first ends with all of its own results. A run killed
// outright leaves its unfinished files, which the next run clears.
TEST(RunsInOneFolder, SecondStopsAtOnceAndLeftoversOfAKilledRunAreCleared)
{
    const fs::path folder = make_scratch_folder("duas_execucoes");
    write_file(folder / "dados.txt", data_file(300000, 10));
    const ProgramRun killed = run_program(folder, write_stand_in(folder, signal_when_writing("KILL")));
    EXPECT_EQ(killed.exit_status, 128 + SIGKILL);
    EXPECT_TRUE(fs::exists(folder / "saida.txt.novo"));
    EXPECT_FALSE(fs::exists(folder / "saida.txt"));

    write_file(folder / "dados.txt", data_file(4, 3));
    const ProgramRun first = run_program(
        folder, write_stand_in(folder, "case \"$cmd\" in notepad\\ dados.txt) \"$(readlink /proc/$PPID/exe)\" "
                                       "2> segunda.err; echo $? > segunda.status ;; esac; exit 0"));
    EXPECT_EQ(first.exit_status, 0) << first.standard_error;
    EXPECT_EQ(read_file(folder / "segunda.status"), "1\n");
    EXPECT_EQ(read_file(folder / "segunda.err"),
              "\r\nrun-time error F6414: OPEN(saida.txt)\r\n- the results in this folder (saida.txt, temp.dat, "
              "temp_med.dat) are in use by another run of difusao1d; run again when it has ended\r\n");
    const Outputs sound = reference_run("duas_execucoes_referencia", data_file(4, 3));
    EXPECT_EQ(read_file(folder / "saida.txt"), sound.report);
    EXPECT_EQ(read_file(folder / "temp.dat"), sound.field);
    EXPECT_EQ(read_file(folder / "temp_med.dat"), sound.means);
    EXPECT_EQ(left_in(folder), (std::vector<std::string>{"dados.txt", "saida.txt", "segunda.err", "segunda.status",
                                                         "temp.dat", "temp_med.dat"}));
}

}  // namespace
