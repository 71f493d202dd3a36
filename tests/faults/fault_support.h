#pragma once
// Helpers of the fault-injection runs: input files, a reference run of the
// same case on a sound disk, and the prefix check that shows nothing written
// before a failure was lost.

#include <gtest/gtest.h>

#include <string>

#include "e2e/program_run.h"

namespace faults {

using namespace e2e;

inline std::string data_file(int N, int nt)
{
    return std::to_string(N) + "\n" + std::to_string(nt) + "\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n";
}

// The three output files of a sound run of `data`.
struct Outputs {
    std::string report, field, means;
};

inline Outputs reference_run(const std::string& name, const std::string& data)
{
    const fs::path folder = scratch_folder(name);
    write_file(folder / "dados.txt", data);
    const ProgramRun run = run_program(folder, write_stand_in(folder, "exit 0"));
    EXPECT_EQ(run.exit_status, 0) << run.standard_error;
    return {read_file(folder / "saida.txt"), read_file(folder / "temp.dat"), read_file(folder / "temp_med.dat")};
}

inline bool starts_with(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace faults
