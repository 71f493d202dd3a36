#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <system_error>
#include <vector>

namespace testing_support {

namespace {

struct ScratchFolderRecord {
    const ::testing::TestInfo* test = nullptr;
    std::vector<std::filesystem::path> folders;
    std::size_t given_by_parent = 0;  // the first ones: a parent's, never removed here
};

ScratchFolderRecord& record_of_this_test()
{
    static ScratchFolderRecord record;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (record.test != test) record = {test, {}, 0};
    return record;
}

// Removes the folders a test made once it has ended without a failure.
class ScratchFolderRemover : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        ScratchFolderRecord& record = record_of_this_test();
        if (record.test != &test || test.result()->Failed()) return;
        std::error_code ignored;
        for (std::size_t i = record.given_by_parent; i < record.folders.size(); ++i)
            std::filesystem::remove_all(record.folders[i], ignored);
        record.folders.clear();
    }
};

// Installed with this file, before the tests run; the framework owns it.
const bool remover_installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScratchFolderRemover);
    return true;
}();

}  // namespace

std::filesystem::path new_unique_folder(const std::string& prefix)
{
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path base = ::testing::TempDir();
    for (;;) {
        std::filesystem::path folder = base / (prefix + "_" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directories(folder)) return folder;
    }
}

std::filesystem::path make_scratch_folder(const std::string& prefix)
{
    ScratchFolderRecord& record = record_of_this_test();
    if (const char* given = std::getenv(scratch_folders_variable)) {
        // A child of this test: the parent's folders, one by one.
        const std::string list = given;
        for (std::size_t i = 0, start = 0; start <= list.size(); ++i) {
            const std::size_t end = std::min(list.find('|', start), list.size());
            if (i == record.folders.size() && end > start) {
                record.folders.emplace_back(list.substr(start, end - start));
                record.given_by_parent = record.folders.size();
                return record.folders.back();
            }
            start = end + 1;
        }
    }
    record.folders.push_back(new_unique_folder(prefix));
    return record.folders.back();
}

std::string scratch_folders_of_this_test()
{
    std::string joined;
    for (const std::filesystem::path& folder : record_of_this_test().folders) {
        if (!joined.empty()) joined += '|';
        joined += folder.string();
    }
    return joined;
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

WorkingFolder::~WorkingFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace testing_support
