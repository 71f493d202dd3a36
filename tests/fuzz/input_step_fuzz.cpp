// Fuzz target: the whole input step on a "dados.txt" holding the input bytes.
// The editor command goes to an interpreter that does not exist, so that no
// process is started; the step reads the file as it stands.

#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "driver/driver.h"
#include "fuzz_support.h"

namespace {

using fuzz_support::RunStopped;

constexpr std::size_t longest_file = 4096;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::string folder = fuzz_support::enter_scratch_folder("fuzz-input-step");
    setenv("COMSPEC", (folder + "/no-interpreter").c_str(), 1);
    fuzz_support::prepare_process();
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > longest_file) return -1;
    std::FILE* file = std::fopen("dados.txt", "wb");
    if (file == nullptr) __builtin_trap();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    driver::state = driver::SimulationState{};
    try {
        driver::dados();
    } catch (const RunStopped&) {}
    fuzz_support::reset_units();
    return 0;
}
