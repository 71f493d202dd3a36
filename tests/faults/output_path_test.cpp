// A folder where an output file should be: the run ends with the open error
// naming that file, no viewer starts, and no file is changed that the run
// had not begun to write.

#include "fault_support.h"
#include "support/test_names.h"

namespace {

using namespace faults;

class FolderInPlaceOf : public ::testing::TestWithParam<const char*> {};

TEST_P(FolderInPlaceOf, OutputFileEndsTheRunAtItsOpen)
{
    const std::string blocked = GetParam();
    const fs::path folder = make_scratch_folder(std::string("pasta_") + blocked);
    write_file(folder / "dados.txt", data_file(4, 3));
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"})
        if (name != blocked) write_file(folder / name, "resultado anterior\r\n");
    fs::create_directory(folder / blocked);

    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_TRUE(run.standard_error.starts_with("\r\nrun-time error F")) << run.standard_error;
    EXPECT_NE(run.standard_error.find(": OPEN(" + blocked + ")"), std::string::npos) << run.standard_error;
    EXPECT_EQ(run.commands, std::vector<std::string>{"notepad dados.txt"});
    EXPECT_TRUE(fs::is_directory(folder / blocked));
    // The files are opened before anything is written: the earlier results
    // are all still there.
    for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) {
        if (name != blocked) {
            EXPECT_EQ(read_file(folder / name), "resultado anterior\r\n") << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachOutput, FolderInPlaceOf, ::testing::Values("saida.txt", "temp.dat", "temp_med.dat"),
                         [](const auto& info) { return testing_support::name_of_file_case(info.param); });

}  // namespace
