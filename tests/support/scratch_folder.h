#pragma once
// A new, empty folder of a unique name under the system's temporary folder.
//
// The folders a test makes are recorded, so that a child started again for
// that test (support/child_process.h) is given the same folders, in the
// same order, instead of new ones.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace testing_support {

inline constexpr char scratch_folders_variable[] = "DIFUSAO_TEST_SCRATCH_FOLDERS";

inline std::filesystem::path new_unique_folder(const std::string& prefix)
{
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        std::filesystem::path folder = base / (prefix + "_" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

struct ScratchFolderRecord {
    const ::testing::TestInfo* test = nullptr;
    std::vector<std::filesystem::path> folders;
};

inline ScratchFolderRecord& scratch_folder_record()
{
    static ScratchFolderRecord record;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (record.test != test) record = {test, {}};
    return record;
}

// The folders made by the current test, joined by '|'.
inline std::string scratch_folders_of_this_test()
{
    std::string joined;
    for (const std::filesystem::path& folder : scratch_folder_record().folders) {
        if (!joined.empty()) joined += '|';
        joined += folder.string();
    }
    return joined;
}

inline std::filesystem::path make_scratch_folder(const std::string& prefix)
{
    ScratchFolderRecord& record = scratch_folder_record();
    if (const char* given = std::getenv(scratch_folders_variable)) {
        // A child of this test: the parent's folders, one by one.
        std::string list = given;
        for (std::size_t i = 0, start = 0; start <= list.size(); ++i) {
            const std::size_t end = std::min(list.find('|', start), list.size());
            if (i == record.folders.size() && end > start) {
                record.folders.emplace_back(list.substr(start, end - start));
                return record.folders.back();
            }
            start = end + 1;
        }
    }
    record.folders.push_back(new_unique_folder(prefix));
    return record.folders.back();
}

}  // namespace testing_support
