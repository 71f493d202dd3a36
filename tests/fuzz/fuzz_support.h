#pragma once
// What the fuzz targets share: the program's run-time errors turned into an
// exception, so that an orderly error report is not taken for a crash, and
// the I/O layer brought back to its start between inputs.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "process/runtime_error.h"
#include "textio/units/unit.h"

namespace fuzz_support {

// A run-time error the program reported; it would have ended the run.
struct RunStopped {
    int number;
};

[[noreturn]] inline void stop_run(process::RuntimeError error, std::string_view) { throw RunStopped{error.number}; }

// Once per process: errors throw, and the unit table starts empty.
inline void prepare_process()
{
    process::set_runtime_error_hook(&stop_run);
    textio::units_initialise();
}

// Between inputs: every unit an input left connected is closed.
inline void reset_units()
{
    try {
        textio::close_all_units();
    } catch (const RunStopped&) {
        // A close that failed still disconnects its unit.
        textio::close_all_units();
    }
}

// A private scratch folder, made the current one.
inline std::string enter_scratch_folder(const char* name)
{
    std::string folder = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/" + name + "-" +
                         std::to_string(::getpid());
    std::string command = "mkdir -p '" + folder + "'";
    if (std::system(command.c_str()) != 0 || ::chdir(folder.c_str()) != 0) std::abort();
    return folder;
}

// Reads the input from the front: fixed-size values, then the rest.
class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte()
    {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    template <typename T>
    T value()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes) b = byte();
        T v;
        __builtin_memcpy(&v, bytes, sizeof v);
        return v;
    }
    std::string_view rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace fuzz_support
