// The three results are one set: a run that fails or is cut short leaves the
// previous ones whole, nothing beside them, and its report names the file; a
// second run at once stops. The next run clears what was left.

#include <csignal>
#include <cstdlib>

#include "fault_support.h"

namespace {

using namespace faults;

const char* const result_names[] = {"saida.txt", "temp.dat", "temp_med.dat"};
const std::string previous = "resultado anterior\r\n";
const std::vector<std::string> only_the_results = {"dados.txt", "saida.txt", "temp.dat", "temp_med.dat"};

// The folder's files other than the test's own.
std::vector<std::string> left_in(const fs::path& folder)
{
    std::vector<std::string> names = folder_contents(folder);
    std::erase_if(
        names, [](const std::string& n) { return n == "comandos.log" || n == "interpretador.sh" || n == ".stderr"; });
    return names;
}

// The stand-in, at the editor's turn, signals the program once its new report
// has begun to fill.
std::string signal_when_writing(const std::string& signal)
{
    return "case \"$cmd\" in notepad\\ dados.txt) (i=0; while [ ! -s saida.txt.novo ] && [ $i -lt 3000 ]; do "
           "sleep 0.01; i=$((i+1)); done; kill -" +
           signal + " $PPID) & ;; esac";
}

struct Fault {
    const char* name;
    const char* make;  // shell commands in the folder; failing, the fault cannot be made here
    std::string behaviour;
    int exit_status;
    std::string report;  // what standard error starts with
    bool large = false;  // some 60 MB of report, long enough to be cut
    const char* undo = "true";
    bool new_set = false;  // the run itself succeeds
};

void PrintTo(const Fault& f, std::ostream* out) { *out << f.name; }

class ResultSet : public ::testing::TestWithParam<Fault> {};

TEST_P(ResultSet, IsThePreviousOneWholeAfterAFaultAndTheReportNamesTheFile)
{
    const Fault& f = GetParam();
    const fs::path folder = make_scratch_folder(f.name);
    const std::string in_folder = "cd '" + folder.string() + "' && ";
    if (std::system((in_folder + f.make).c_str()) != 0) GTEST_SKIP() << f.name << " cannot be made here (root?)";
    write_file(folder / "dados.txt", f.large ? data_file(300000, 10) : data_file(4, 3));
    for (const char* name : result_names)
        if (!fs::exists(folder / name)) write_file(folder / name, previous);

    const ProgramRun run = run_program(folder, write_stand_in(folder, f.behaviour + "\nexit 0"));
    std::system((in_folder + f.undo).c_str());
    EXPECT_EQ(run.exit_status, f.exit_status);
    EXPECT_TRUE(run.standard_error.starts_with(f.report)) << run.standard_error;
    const Outputs sound = reference_run(std::string(f.name) + "_referencia", data_file(4, 3));
    const std::string expected[] = {f.new_set ? sound.report : previous, f.new_set ? sound.field : previous,
                                    f.new_set ? sound.means : previous};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(read_file(folder / result_names[i]) == expected[i]) << result_names[i];
    if (f.exit_status != 128 + SIGKILL) {
        EXPECT_EQ(left_in(folder), only_the_results);
    }

    write_file(folder / "dados.txt", data_file(4, 3));
    EXPECT_EQ(run_program(folder, write_stand_in(folder, "exit 0")).exit_status, 0);
    EXPECT_EQ(read_file(folder / "temp_med.dat"), sound.means);
    EXPECT_EQ(left_in(folder), only_the_results);
    std::system(("umount -l '" + folder.string() + "' 2>/dev/null").c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ResultSet,
    ::testing::Values(
        // Immutable for root, whom file permissions do not stop.
        Fault{"somente_leitura",
              "printf 'resultado anterior\\r\\n' > temp.dat && chmod a-w temp.dat && "
              "{ [ \"$(id -u)\" != 0 ] || chattr +i temp.dat; }",
              "", 1, "\r\nrun-time error F6414: OPEN(temp.dat)", false,
              "chattr -i temp.dat 2>/dev/null; chmod u+w temp.dat"},
        // A disk of 256 kB (root only); the error report is kept off it.
        Fault{"disco_cheio",
              "[ \"$(id -u)\" = 0 ] && mount -t tmpfs -o size=256k tmpfs \"$PWD\" && ln -s \"$PWD.stderr\" "
              "\"$PWD/.stderr\"",
              "", 1, "\r\nrun-time error F6422: WRITE(saida.txt)", true},
        Fault{"interrompida", "true", signal_when_writing("TERM"), 128 + SIGTERM, "", true},
        // Killed outright: its unfinished files stay until the next run.
        Fault{"morta", "true", signal_when_writing("KILL"), 128 + SIGKILL, "", true},
        // The second run, started from the first one's editor by the first
        // one's own command line (under an emulator, the emulator's), shares
        // its standard error.
        Fault{"segunda_execucao", "true",
              "case \"$cmd\" in notepad\\ dados.txt) xargs -0 sh -c '\"$@\"' sh < /proc/$PPID/cmdline ;; esac", 0,
              "\r\nrun-time error F6414: OPEN(saida.txt)\r\n- the results in this folder (saida.txt, temp.dat, "
              "temp_med.dat) are in use by another run of difusao1d",
              false, "true", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
