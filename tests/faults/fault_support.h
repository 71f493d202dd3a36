#pragma once
// Helpers of the fault-injection runs: a reference run of the same case on a
// sound disk, to show that nothing written before a failure was lost.

#include <gtest/gtest.h>

#include <string>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace faults {

using namespace testing_support;
namespace fs = std::filesystem;

// The three output files of a sound run of `data`.
struct Outputs {
    std::string report, field, means;
};

inline Outputs reference_run(const std::string& name, const std::string& data)
{
    const fs::path folder = make_scratch_folder(name);
    write_file(folder / "dados.txt", data);
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 0) << run.standard_error;
    return {read_file(folder / "saida.txt"), read_file(folder / "temp.dat"), read_file(folder / "temp_med.dat")};
}

}  // namespace faults
