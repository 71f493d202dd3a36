// Children without fork: the test program is started again for the current
// test alone, told by its environment which call of run_in_child is its
// own. The calls before it return the outcomes that the parent recorded,
// so the test takes the same path up to the call, whose body then runs with
// the standard handles on files of the parent.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/files.h"
#include "support/scratch_folder.h"

namespace testing_support {

namespace {

constexpr char child_variable[] = "DIFUSAO_TEST_CHILD";            // test name and call index
constexpr char replay_variable[] = "DIFUSAO_TEST_CHILD_OUTCOMES";  // file of the earlier outcomes

std::string current_test_name()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return test == nullptr ? std::string() : std::string(test->test_suite_name()) + "." + test->name();
}

void write_text(std::ofstream& out, const std::string& text)
{
    out << text.size() << ' ';
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string read_text(std::ifstream& in)
{
    std::size_t size = 0;
    in >> size;
    in.get();
    std::string text(size, '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    return text;
}

void save_outcomes(const std::filesystem::path& file, const std::vector<ChildOutcome>& outcomes)
{
    std::ofstream out(file, std::ios::binary);
    for (const ChildOutcome& outcome : outcomes) {
        out << outcome.exited << ' ' << outcome.status << ' ';
        write_text(out, outcome.error_output);
        write_text(out, outcome.standard_output);
    }
}

std::vector<ChildOutcome> load_outcomes(const std::filesystem::path& file)
{
    std::vector<ChildOutcome> outcomes;
    std::ifstream in(file, std::ios::binary);
    ChildOutcome outcome;
    while (in >> outcome.exited >> outcome.status) {
        in.get();
        outcome.error_output = read_text(in);
        outcome.standard_output = read_text(in);
        outcomes.push_back(outcome);
    }
    return outcomes;
}

HANDLE inheritable(const std::filesystem::path& path, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.string().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// What the test program wrote before its body started is not the body's.
void empty_standard_output_files()
{
    std::fflush(stdout);
    std::fflush(stderr);
    for (const DWORD which : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE handle = GetStdHandle(which);
        SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(handle);
    }
}

ChildOutcome start_child(const std::string& test, int index, const std::vector<ChildOutcome>& earlier,
                         const std::string& input)
{
    const std::filesystem::path folder = new_unique_folder("child_process");
    save_outcomes(folder / "outcomes", earlier);
    write_file(folder / "input", input);
    const HANDLE in = inheritable(folder / "input", GENERIC_READ, OPEN_EXISTING);
    const HANDLE out = inheritable(folder / "output", GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE error = inheritable(folder / "error", GENERIC_WRITE, CREATE_ALWAYS);

    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string line = std::string("\"") + program + "\" --gtest_filter=" + test + " --gtest_catch_exceptions=0";
    SetEnvironmentVariableA(child_variable, (test + "|" + std::to_string(index)).c_str());
    SetEnvironmentVariableA(replay_variable, (folder / "outcomes").string().c_str());
    SetEnvironmentVariableA(scratch_folders_variable, scratch_folders_of_this_test().c_str());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = error;
    PROCESS_INFORMATION child{};
    ChildOutcome outcome;
    if (CreateProcessA(program, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        WaitForSingleObject(child.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(child.hProcess, &status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
        // Exception codes have the top bits set; exit statuses do not.
        outcome.exited = status < 0xC0000000u;
        outcome.status = outcome.exited ? static_cast<int>(status) : -1;
    }
    for (const char* name : {child_variable, replay_variable, scratch_folders_variable})
        SetEnvironmentVariableA(name, nullptr);
    for (const HANDLE handle : {in, out, error}) CloseHandle(handle);
    outcome.error_output = read_file(folder / "error");
    outcome.standard_output = read_file(folder / "output");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return outcome;
}

}  // namespace

ChildOutcome run_in_child(const std::function<void()>& body, const std::string& input)
{
    static std::string test;
    static std::vector<ChildOutcome> earlier;
    const std::string name = current_test_name();
    if (name != test) {
        test = name;
        earlier.clear();
    }
    const int index = static_cast<int>(earlier.size());

    if (const char* role = std::getenv(child_variable)) {
        const std::string wanted = role;
        const std::size_t bar = wanted.rfind('|');
        if (wanted.substr(0, bar) == name) {
            static const std::vector<ChildOutcome> replayed = load_outcomes(std::getenv(replay_variable));
            const int own = std::atoi(wanted.c_str() + bar + 1);
            if (index < own && index < static_cast<int>(replayed.size())) {
                earlier.push_back(replayed[static_cast<std::size_t>(index)]);
                return earlier.back();
            }
            empty_standard_output_files();
            body();
            std::exit(0);
        }
    }
    earlier.push_back(start_child(name, index, earlier, input));
    return earlier.back();
}

}  // namespace testing_support
