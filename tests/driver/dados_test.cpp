// The input step: the editor first, then the eight values of "dados.txt".
// A stand-in interpreter plays the editor and the user.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/driver.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/scratch_folder.h"
#include "textio/units/unit.h"

namespace driver {
namespace {

namespace fs = std::filesystem;

const char* const eight_values = "50        N: volumes\r\n"
                                 "100\tnt: steps\r\n"
                                 "\r\n"
                                 "  2.5e1   tf: total time\r\n"
                                 "0.5 , theta\r\n"
                                 "1.0D-3/ alpha\r\n"
                                 "1.0-3 L\r\n"
                                 "-20 Ta\r\n"
                                 "+37.5 Tb\r\n"
                                 "a ninth line that would not read as a number\r\n";

class InputStep : public testing::Test {
protected:
    void SetUp() override
    {
        reset_simulation_state();
        textio::units_initialise();
    }
    void TearDown() override { textio::close_all_units(); }

    // The editor stand-in: records its arguments, waits a little, then runs
    // `user` (shell text) in the working folder, as the user saving a file.
    void editor_does(const std::string& user)
    {
        const fs::path script = folder_ / "editor";
        testing_support::write_script(script, "printf '%s|' \"$@\" > editor_arguments\nsleep 0.2\n" + user + "\n");
        environment_.set("COMSPEC", script.string());
    }

    static void write_file(const std::string& text) { testing_support::write_file("dados.txt", text); }
    static std::string file_text(const char* name) { return testing_support::read_file(name); }

    const fs::path folder_ = testing_support::make_scratch_folder("input_step");
    const testing_support::WorkingFolder inside_{folder_};
    testing_support::ScopedEnvironment environment_;
};

TEST_F(InputStep, ReadsWhatTheUserSavedInTheEditor)
{
    write_file("1\n1\n1\n1\n1\n1\n1\n1\n");
    testing_support::write_file("saved", eight_values);
    editor_does("cp saved dados.txt");
    dados();
    EXPECT_EQ(file_text("editor_arguments"), "/c|notepad dados.txt|");
    const SimulationState& s = state;
    EXPECT_EQ(s.N, 50);
    EXPECT_EQ(s.nt, 100);
    EXPECT_EQ(s.tf, 25.0);
    EXPECT_EQ(s.theta, 0.5);
    EXPECT_EQ(s.alpha, 0.001);
    EXPECT_EQ(s.L, 0.001);
    EXPECT_EQ(s.Ta, -20.0);
    EXPECT_EQ(s.Tb, 37.5);
    EXPECT_EQ(file_text("dados.txt"), eight_values);  // left unchanged
    EXPECT_FALSE(textio::unit_open(5, "saida.txt"));  // unit 5 is free again
}

TEST_F(InputStep, EditorClosedWithoutSavingOrNotStartedLeavesTheFileAsItWas)
{
    write_file(eight_values);
    editor_does("exit 3");
    dados();
    EXPECT_EQ(state.Tb, 37.5);

    reset_simulation_state();
    environment_.set("COMSPEC", (folder_ / "no_editor_here").string());
    dados();
    EXPECT_EQ(state.N, 50);
    EXPECT_EQ(state.Tb, 37.5);
}

TEST_F(InputStep, NullLinesKeepTheStartValuesAndIntegersReadAsReals)
{
    write_file(", N\n/ nt\n100\n2*1\n7\n8\n9\n10");
    editor_does("true");
    dados();
    EXPECT_EQ(state.N, 0);
    EXPECT_EQ(state.nt, 0);
    EXPECT_EQ(state.tf, 100.0);
    EXPECT_EQ(state.theta, 1.0);
    EXPECT_EQ(state.alpha, 7.0);  // the repeated 1 does not reach the next line
    EXPECT_EQ(state.Tb, 10.0);    // last line without a line end
}

TEST_F(InputStep, MissingFileIsCreatedEmptyAndEndsTheRun)
{
    editor_does("true");
    EXPECT_EXIT(dados(), testing::ExitedWithCode(1), "run-time error F6501: READ\\(dados.txt\\)\r\n- ");
    EXPECT_TRUE(fs::exists("dados.txt"));
    EXPECT_EQ(fs::file_size("dados.txt"), 0u);
}

TEST_F(InputStep, BadValuesEndTheRunWithTheirErrors)
{
    editor_does("true");
    const std::pair<const char*, const char*> cases[] = {
        {"50\n100\n1\n2\n3\n", "F6501: READ\\(dados.txt\\)"},  // fewer than eight values
        {"50.0\n", "F6101: READ\\(dados.txt\\)"},
        {"50\n1e2\n", "F6101"},
        {"3000000000\n", "F6100"},
        {"50\n100\n1e400\n", "F6102"},
        {"50\n100\ntf\n", "F6103"},
        {"50\n100\n0.5!\n", "F6103"},
        {"50\n100\n'1.0'\n", "F6504"},
        {"50\n100\n(1.0", "F6501: READ\\(dados.txt\\)"},  // cut inside an open parenthesis
        {"-02147483648\n", "F6100"},
    };
    for (const auto& [text, report] : cases) {
        write_file(text);
        EXPECT_EXIT(dados(), testing::ExitedWithCode(1), report) << text;
    }
}

}  // namespace
}  // namespace driver
