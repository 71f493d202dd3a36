#pragma once
// A new, empty folder of a unique name under the system's temporary folder.

#include <filesystem>
#include <random>
#include <string>

namespace testing_support {

inline std::filesystem::path make_scratch_folder(const std::string& prefix)
{
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        const std::filesystem::path folder = base / (prefix + "_" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

}  // namespace testing_support
