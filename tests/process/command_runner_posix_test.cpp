// The command runner with a stand-in interpreter that records its arguments.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/spawn.h"
#include "process/command_runner.h"
#include "support/emulation.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/scratch_folder.h"

namespace process {
namespace {

namespace fs = std::filesystem;

class CommandRunner : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = testing_support::make_scratch_folder("command_runner");
        log_ = folder_ / "calls.txt";
        // One line per call: the argument count, then each argument between
        // brackets. "exit N" as the command ends the stand-in with status N.
        stand_in_ = write_script("interpreter", R"(log=")" + log_.string() + R"("
printf '%s' "$#" >> "$log"
for a in "$@"; do printf ' [%s]' "$a" >> "$log"; done
printf '\n' >> "$log"
case "$2" in
"exit "*) code=${2#exit }; exit ${code%% *} ;;
"kill") kill -9 $$ ;;
esac
exit 0
)");
        environment_.set("COMSPEC", stand_in_.string());
    }

    fs::path write_script(const std::string& name, const std::string& body)
    {
        fs::path path = folder_ / name;
        testing_support::write_script(path, body);
        return path;
    }

    std::string calls() const { return testing_support::read_file(log_); }

    static int run(std::string_view command) { return run_command(command); }

    fs::path folder_, log_, stand_in_;
    testing_support::ScopedEnvironment environment_;
};

TEST_F(CommandRunner, InterpreterGetsSlashCAndTheCommandWithoutTrailingBlanks)
{
    EXPECT_EQ(run("notepad dados.txt"), 0);
    EXPECT_EQ(run("wgnuplot temp.gnu     "), 0);
    EXPECT_EQ(run(""), 0);
    EXPECT_EQ(run(std::string_view("notepad saida.txtXYZ").substr(0, 17)), 0);  // no terminating NUL needed
    EXPECT_EQ(run("      "), 0);
    EXPECT_EQ(calls(), "2 [/c] [notepad dados.txt]\n"
                       "2 [/c] [wgnuplot temp.gnu]\n"
                       "2 [/c] []\n"
                       "2 [/c] [notepad saida.txt]\n"
                       "2 [/c] []\n");
}

TEST_F(CommandRunner, ExitStatusIsReturnedUnchanged)
{
    EXPECT_EQ(run("exit 3"), 3);
    EXPECT_EQ(run("exit 255"), 255);
    EXPECT_EQ(run("kill"), 128 + 9);  // ended by a signal
}

TEST_F(CommandRunner, CommandLengthLimit)
{
    platform::set_thread_last_error(0);
    const std::string longest = "exit 5 " + std::string(command_length_limit - 7, '#');
    EXPECT_EQ(run(longest), 5);
    EXPECT_EQ(run(longest + "                "), 5);
    EXPECT_EQ(platform::thread_last_error(), 0u);  // untouched on success
    EXPECT_EQ(run(longest + "#"), -1);
    EXPECT_EQ(platform::thread_last_error(), start_failure_bits | 7);
    EXPECT_EQ(calls().size(), 2 * (std::string("2 [/c] []\n").size() + longest.size()));  // not started
}

TEST_F(CommandRunner, InterpreterNameLimit)
{
    // The stand-in's own path, lengthened with "./" to exactly 260 characters.
    std::string name = stand_in_.string();
    const std::string file = stand_in_.filename().string();
    name.resize(name.size() - file.size());
    while (name.size() + file.size() < 260) name += "./";
    name.resize(260 - file.size());
    if (name.back() != '/') name.back() = '/';
    name += file;
    ASSERT_EQ(name.size(), 260u);
    environment_.set("COMSPEC", name);
    EXPECT_EQ(run("exit 4"), 4);
    environment_.set("COMSPEC", "/" + name);
    EXPECT_EQ(run("exit 4"), -1);
    EXPECT_EQ(platform::thread_last_error(), start_failure_bits | 2);
}

TEST_F(CommandRunner, StartFailuresAreRecordedAsLastError)
{
    DIFUSAO_SKIP_UNDER_QEMU("qemu-user starts a child through its own emulated exec: a program that cannot be "
                            "started ends the child with status 127 instead of failing the start");
    environment_.set("COMSPEC", (folder_ / "missing").string());
    EXPECT_EQ(run("exit 1"), -1);
    EXPECT_EQ(platform::thread_last_error(), start_failure_bits | 2);

    const fs::path text_file = folder_ / "not_a_program";
    testing_support::write_file(text_file, "\x7f"
                                           "ELF not really\n");
    fs::permissions(text_file, fs::perms::owner_all);
    environment_.set("COMSPEC", text_file.string());
    EXPECT_EQ(run("exit 1"), -1);
    EXPECT_EQ(platform::thread_last_error(), start_failure_bits | 8);

    fs::permissions(text_file, fs::perms::owner_read);  // not executable
    EXPECT_EQ(run("exit 1"), -1);
    EXPECT_EQ(platform::thread_last_error(), start_failure_bits | 12);
}

TEST_F(CommandRunner, WithoutComspecTheShellRunsTheCommand)
{
    environment_.remove("COMSPEC");
    EXPECT_EQ(run("exit 6"), 6);
    EXPECT_EQ(run(""), 0);
    environment_.set("COMSPEC", "");  // empty is the same as unset
    EXPECT_EQ(run("test -z \"$COMSPEC\" && exit 9"), 9);
    EXPECT_EQ(run("no_such_program_here 2>/dev/null"), 127);  // the shell's own report
}

TEST_F(CommandRunner, NotepadIsTheUsersEditorAndWgnuplotIsGnuplot)
{
    environment_.remove("COMSPEC");
    const fs::path editor =
        write_script("editor", "printf '%s|' \"$@\" >> " + log_.string() + "; echo >> " + log_.string() + "\n");
    environment_.set("VISUAL", editor.string() + " --wait");
    environment_.set("EDITOR", "false");
    EXPECT_EQ(run("notepad dados.txt"), 0);
    environment_.remove("VISUAL");
    environment_.set("EDITOR", editor.string());
    EXPECT_EQ(run("Notepad.exe saida.txt"), 0);
    EXPECT_EQ(run("notepadx saida.txt 2>/dev/null"), 127);  // another name is left alone

    write_script("gnuplot", "printf 'gnuplot %s\\n' \"$*\" >> " + log_.string() + "\n");
    environment_.set("PATH", folder_.string() + ":" + environment_.saved("PATH").value_or("/usr/bin:/bin"));
    EXPECT_EQ(run("wgnuplot temp.gnu"), 0);
    EXPECT_EQ(calls(), "--wait|dados.txt|\nsaida.txt|\ngnuplot temp.gnu\n");
}

}  // namespace
}  // namespace process
