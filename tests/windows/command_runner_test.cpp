// The command runner on Windows, in the test process: the command line the
// interpreter receives at the length limits, with blanks at the end, empty,
// and the start failures with their codes and the bits 0x2FFF0000.

#include <gtest/gtest.h>

#include <windows.h>

#include "platform/spawn.h"
#include "process/command_runner.h"
#include "windows_run.h"

namespace {

using namespace windows_run;

class WindowsCommandRunner : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ =
            scratch_folder(std::string("executor_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        log_ = folder_.parent_path() / "interpreter.log";
        set("STAND_IN_LOG", log_.string());
        set("COMSPEC", stand_in_interpreter().string());
    }
    void TearDown() override
    {
        for (const char* name : {"STAND_IN_LOG", "STAND_IN_EXIT", "COMSPEC"}) SetEnvironmentVariableA(name, nullptr);
    }
    static void set(const char* name, const std::string& value) { SetEnvironmentVariableA(name, value.c_str()); }
    static int run(std::string_view command) { return process::run_command(command); }
    // The command lines the stand-in got, and the log emptied.
    std::vector<std::string> logged()
    {
        std::vector<std::string> lines;
        std::string text = read_file(log_);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        fs::remove(log_);
        return lines;
    }
    fs::path folder_;
    fs::path log_;
};

TEST_F(WindowsCommandRunner, CommandLineIsInterpreterSwitchAndTheCommandWithoutTrailingBlanks)
{
    // The command the interpreter gets after its name and " /c ".
    struct Case {
        std::string command;
        std::string received;
    };
    const std::string longest(1024, 'x');
    for (const Case& c : {Case{"wgnuplot temp.gnu", "wgnuplot temp.gnu"},
                          Case{"wgnuplot temp.gnu    ", "wgnuplot temp.gnu"}, Case{"echo\t", "echo\t"}, Case{"", ""},
                          Case{"     ", ""}, Case{longest, longest}, Case{longest + "  ", longest}}) {
        EXPECT_EQ(run(c.command), 0) << c.command;
        std::string line = stand_in_interpreter().string();
        line += " /c ";
        line += c.received;
        EXPECT_EQ(logged(), std::vector<std::string>{line}) << c.command;
    }
}

TEST_F(WindowsCommandRunner, ExitStatusIsReturnedUnchangedAndLastErrorUntouched)
{
    for (const char* status : {"0", "1", "7", "255", "70000"}) {
        set("STAND_IN_EXIT", status);
        SetLastError(1234);
        EXPECT_EQ(run("wgnuplot temp.gnu"), std::stoi(status));
        EXPECT_EQ(GetLastError(), 1234u);
    }
}

TEST_F(WindowsCommandRunner, StartFailuresReturnMinusOneWithTheirCode)
{
    const std::string exe_folder = build_folder().string();
    // A path of the stand-in padded with ".\" to a given length.
    auto padded = [&](std::size_t length) {
        std::string path = exe_folder + "\\";
        const std::string leaf = "stand_in_interpreter.exe";
        while (path.size() + leaf.size() + 2 <= length) path += ".\\";
        if (path.size() + leaf.size() < length) path += "\\";
        return path + leaf;
    };
    write_file(folder_ / "texto.txt", "not a program\r\n");
    struct Case {
        const char* name;
        std::string comspec;
        std::string command;
        std::uint32_t code;
    };
    for (const Case& c :
         {Case{"command of 1025", "", std::string(1025, 'x'), 7}, Case{"COMSPEC of 261", padded(261), "echo", 2},
          Case{"missing interpreter", "C:\\nao\\existe\\cmd.exe", "echo", 2},
          Case{"missing folder", exe_folder + "\\nao_existe.exe", "echo", 2},
          Case{"not a program", (folder_ / "texto.txt").string(), "echo", 8}}) {
        if (!c.comspec.empty()) set("COMSPEC", c.comspec);
        SetLastError(0);
        EXPECT_EQ(run(c.command), -1) << c.name;
        EXPECT_EQ(GetLastError(), process::start_failure_bits | c.code) << c.name;
        EXPECT_TRUE(logged().empty()) << c.name;
    }
    ASSERT_EQ(padded(260).size(), 260u);
    set("COMSPEC", padded(260));
    EXPECT_EQ(run("echo"), 0);
    EXPECT_EQ(logged().size(), 1u);
}

}  // namespace
