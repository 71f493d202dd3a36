#pragma once
// Scratch folders of the tests: new, empty folders of unique names under the
// test framework's temporary folder (testing::TempDir()).
//
// The folders a test makes are recorded: a child started again for that test
// (support/child_process.h) is given the same folders, in the same order,
// instead of new ones; and when the test ends without a failure they are
// removed (a failed test leaves them for a look).

#include <filesystem>
#include <string>

namespace testing_support {

inline constexpr char scratch_folders_variable[] = "DIFUSAO_TEST_SCRATCH_FOLDERS";

// A new folder of a unique name under testing::TempDir(), not recorded.
std::filesystem::path new_unique_folder(const std::string& prefix);

// A new scratch folder of the current test ("<prefix>_<number>").
std::filesystem::path make_scratch_folder(const std::string& prefix);

// The folders made by the current test, joined by '|'.
std::string scratch_folders_of_this_test();

// The current folder of the process is `folder` while this lives.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace testing_support
