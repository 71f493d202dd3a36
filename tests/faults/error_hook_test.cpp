// The run-time error hook that lets fuzzers and tests run the program's
// operations in-process: the report is handed over instead of ending the
// process, and the I/O layer can be used again afterwards.

#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "process/runtime_error.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/scratch_folder.h"
#include "support/stopped_run.h"
#include "textio/units/unit.h"

namespace {

using testing_support::Stopped;

using ErrorHook = testing_support::StoppedRun;

TEST_F(ErrorHook, ReportIsHandedOverInsteadOfEndingTheProcess)
{
    try {
        process::raise_runtime_error(process::errors::end_of_file_while_reading, process::StatementKind::read,
                                     "dados.txt");
        FAIL() << "the error returned";
    } catch (const Stopped& stop) {
        EXPECT_EQ(stop.number, 6501);
        EXPECT_EQ(stop.report.substr(0, 38), "\r\nrun-time error F6501: READ(dados.txt");
    }
}

// The input step stopped by an error, then run again on a sound file: the
// unit it left connected is closed between the two, as a fuzzer does.
TEST_F(ErrorHook, InputStepCanRunAgainAfterAnError)
{
    const std::filesystem::path folder = testing_support::make_scratch_folder("hook_dados");
    const testing_support::WorkingFolder inside(folder);
    testing_support::ScopedEnvironment environment;
    environment.set("COMSPEC", (folder / "sem-interpretador").string());

    int stopped_with = 0;
    try {
        driver::dados();  // "dados.txt" missing: created empty, end of file
    } catch (const Stopped& stop) {
        stopped_with = stop.number;
    }
    EXPECT_EQ(stopped_with, 6501);
    textio::close_all_units();

    testing_support::write_file("dados.txt", "7\n9\n0.5\n1\n2\n3\n4\n5\n");
    driver::dados();
    EXPECT_EQ(driver::state.N, 7);
    EXPECT_EQ(driver::state.nt, 9);
    EXPECT_EQ(driver::state.Tb, 5.0);
    driver::reset_simulation_state();
}

}  // namespace
