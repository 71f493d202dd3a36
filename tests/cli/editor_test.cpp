// The editor on Linux: the user's choice, else the system's default editor,
// else nano, else vi; and never an editor nobody can see. The stand-in
// editors are the only programs on the PATH.

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const std::string sound_data = data_file("10", "10", "0.1", "0.5");

// Editors that would keep the run waiting for ever.
TEST(Editor, WithoutAChoiceAndWithoutATerminalNoneIsStartedAndTheRunEnds)
{
    const fs::path folder = make_scratch_folder("editor_sem_terminal");
    const fs::path programs = folder / "programas";
    fs::create_directories(programs);
    for (const char* editor : {"sensible-editor", "editor", "nano", "vi"})
        write_script(programs / editor, "touch \"" + (folder / "editor-started").string() + "\"\nexec sleep 600\n");
    write_file(folder / "dados.txt", sound_data);

    // Standard input an open pipe that never ends, standard output a pipe.
    const Outcome outcome = launch(
        {folder,
         {},
         {{"PATH", programs.string()}, {"VISUAL", std::nullopt}, {"EDITOR", std::nullopt}, {"COMSPEC", std::nullopt}},
         false,
         30});
    ASSERT_FALSE(outcome.timed_out) << "the run waited on an editor";
    EXPECT_EQ(outcome.exit_status, 0) << outcome.standard_error;
    EXPECT_FALSE(fs::exists(folder / "editor-started"));
    EXPECT_TRUE(fs::exists(folder / "saida.txt"));
}

struct Choice {
    const char* name;
    std::vector<const char*> installed;
    std::map<std::string, std::optional<std::string>> variables;
    const char* expected;  // the editor that opened dados.txt and then saida.txt
};

void PrintTo(const Choice& c, std::ostream* out) { *out << c.name; }

class EditorOnATerminal : public ::testing::TestWithParam<Choice> {};

TEST_P(EditorOnATerminal, IsTheFirstOfTheUsersChoiceTheDefaultNanoAndVi)
{
    const Choice c = GetParam();
    const fs::path folder = make_scratch_folder(std::string("editor_") + c.name);
    const fs::path programs = folder / "programas";
    fs::create_directories(programs);
    const fs::path log = folder / "editores.log";
    for (const char* editor : {"sensible-editor", "editor", "nano", "vi", "meu-editor"})
        if (std::find(c.installed.begin(), c.installed.end(), std::string_view(editor)) != c.installed.end())
            write_script(programs / editor, std::string("echo \"") + editor + " $*\" >> \"" + log.string() + "\"\n");
    write_file(folder / "dados.txt", sound_data);

    std::map<std::string, std::optional<std::string>> environment = {
        {"PATH", programs.string()}, {"VISUAL", std::nullopt}, {"EDITOR", std::nullopt}, {"COMSPEC", std::nullopt}};
    for (const auto& [name, value] : c.variables) environment[name] = value;
    const Outcome outcome = launch({folder, {}, environment, true, 30});
    ASSERT_FALSE(outcome.timed_out) << outcome.terminal;
    EXPECT_EQ(outcome.exit_status, 0) << outcome.terminal;
    EXPECT_EQ(read_file(log), std::string(c.expected) + " dados.txt\n" + c.expected + " saida.txt\n");
}

const std::vector<const char*> every_editor = {"sensible-editor", "editor", "nano", "vi", "meu-editor"};

INSTANTIATE_TEST_SUITE_P(
    Choices, EditorOnATerminal,
    ::testing::Values(Choice{"visual", every_editor, {{"VISUAL", "meu-editor"}, {"EDITOR", "vi"}}, "meu-editor"},
                      Choice{"editor_variable", every_editor, {{"EDITOR", "meu-editor"}}, "meu-editor"},
                      Choice{"system_default", every_editor, {}, "sensible-editor"},
                      Choice{"debian_alternative", {"editor", "nano", "vi"}, {}, "editor"},
                      Choice{"nano", {"nano", "vi"}, {}, "nano"}, Choice{"vi", {"vi"}, {}, "vi"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
