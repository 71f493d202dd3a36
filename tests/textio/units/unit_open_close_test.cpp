// Connecting and disconnecting units: status, options, reopening, the
// errors of open and close.

#include <functional>
#include <ostream>
#include <string>

#include "support/child_process.h"
#include "support/unit_table.h"
#include "textio/units/unit_record.h"

namespace {

using testing_support::run_in_child;
using textio::OpenOptions;
using textio::unit_error_return;
using Units = testing_support::FreshUnitTable;

TEST_F(Units, UnitFiveIsTheConsoleUntilOpenedAndAgainAfterClose)
{
    textio::Unit* console = textio::unit_select(5);
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(textio::unit_first_char_control(*console));
    EXPECT_EQ(textio::unit_select(7), nullptr);

    make_file(path("dados.txt"), "12\n");
    make_file(path("other.txt"), "34\n");
    ASSERT_FALSE(textio::unit_open(5, "  " + path("dados.txt") + "  "));
    textio::Unit* file = textio::unit_select(5);
    EXPECT_EQ(textio::unit_name(*file), path("dados.txt"));
    EXPECT_FALSE(textio::unit_first_char_control(*file));
    EXPECT_EQ(textio::unit_read_byte(*file), '1');
    ASSERT_FALSE(textio::unit_close(5));
    EXPECT_EQ(textio::unit_select(5), console);

    ASSERT_FALSE(textio::unit_open(5, path("other.txt")));
    EXPECT_EQ(textio::unit_read_byte(*textio::unit_select(5)), '3');
}

TEST_F(Units, ClosingAnUnconnectedUnitDoesNothingAndOutOfRangeIsReturned)
{
    EXPECT_FALSE(textio::unit_close(42));
    EXPECT_EQ(textio::unit_open(32768, path("a")).number, 6314);
    EXPECT_EQ(textio::unit_open(-32768, path("a")).number, 6314);
    EXPECT_FALSE(std::filesystem::exists(path("a")));
    EXPECT_FALSE(textio::unit_open(-32767, path("a")));
}

TEST_F(Units, StatusDecidesWhatHappensToTheFile)
{
    EXPECT_EQ(textio::unit_open(1, path("missing"), {.status = "old"}, unit_error_return).number, 6416);
    EXPECT_EQ(textio::unit_select(1), nullptr);

    make_file(path("there"), "old bytes");
    EXPECT_EQ(textio::unit_open(1, path("there"), {.status = "NEW "}, unit_error_return).number, 6415);
    ASSERT_FALSE(textio::unit_open(1, path("there"), {.status = "Replace"}));
    EXPECT_EQ(contents(path("there")), "");
    textio::unit_close(1);

    ASSERT_FALSE(textio::unit_open(2, path("created")));  // unknown, missing: created
    EXPECT_TRUE(std::filesystem::exists(path("created")));
    EXPECT_TRUE(textio::unit_select(2)->writing);
}

TEST_F(Units, ScratchFileHasAUniqueNameAndIsDeletedAtClose)
{
    const testing_support::WorkingFolder inside(folder);
    ASSERT_FALSE(textio::unit_open(3, "", {.status = "SCRATCH"}));
    const std::string name = textio::unit_name(*textio::unit_select(3));
    EXPECT_EQ(name.size(), 8u);
    EXPECT_EQ(name.substr(0, 2), "ZZ");
    EXPECT_TRUE(std::filesystem::exists(folder / name));
    EXPECT_EQ(textio::unit_close(3, "keep", unit_error_return).number, 6300);
    EXPECT_EQ(textio::unit_close(3, "maybe").number, 6304);
    EXPECT_FALSE(textio::unit_close(3));
    EXPECT_FALSE(std::filesystem::exists(folder / name));
    EXPECT_EQ(textio::unit_open(3, path("named"), {.status = "scratch"}, unit_error_return).number, 6301);
}

TEST_F(Units, PositionAppendWritesAfterTheOldContents)
{
    make_file(path("log"), "first\n");
    ASSERT_FALSE(textio::unit_open(4, path("log"), {.position = "APPEND"}));
    put(4, "second\n");
    textio::unit_close(4);
    EXPECT_EQ(contents(path("log")), "first\nsecond\n");
}

TEST_F(Units, AnUnfinishedConsoleLineIsEndedWhenAllUnitsClose)
{
    const auto outcome = run_in_child([] {
        textio::units_initialise();
        testing_support::FreshUnitTable::put(6, "line\nrest");
        textio::close_all_units();
    });
    EXPECT_EQ(outcome.standard_output, "line\nrest\r\n");
}

TEST_F(Units, CloseWithDeleteRemovesTheFile)
{
    ASSERT_FALSE(textio::unit_open(4, path("gone")));
    put(4, "never kept");
    EXPECT_FALSE(textio::unit_close(4, "DELETE  "));
    EXPECT_FALSE(std::filesystem::exists(path("gone")));
}

// Every option of open, one row per value: a valid one opens and is recorded
// in the unit, an invalid one has its own error number and connects nothing.
struct OptionCase {
    const char* name;
    OpenOptions options;
    int error;                                                    // 0: opens
    std::function<bool(const textio::Unit&)> recorded = nullptr;  // what a valid value sets
};

void PrintTo(const OptionCase& c, std::ostream* out) { *out << c.name; }

class OpenOption : public testing_support::FreshUnitTable, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(OpenOption, IsRecordedOrRefusedWithItsNumber)
{
    const OptionCase& c = GetParam();
    EXPECT_EQ(textio::unit_open(9, path("f"), c.options, unit_error_return).number, c.error);
    const textio::Unit* unit = textio::unit_select(9);
    if (c.error != 0) {
        EXPECT_EQ(unit, nullptr);
        EXPECT_FALSE(std::filesystem::exists(path("f")));
        return;
    }
    ASSERT_NE(unit, nullptr);
    EXPECT_TRUE(c.recorded(*unit));
}

using textio::UnitAction;
using textio::UnitDelimiter;
using textio::UnitMode;
using textio::UnitShare;

INSTANTIATE_TEST_SUITE_P(
    Values, OpenOption,
    ::testing::Values(
        OptionCase{"status_new", {.status = "new"}, 0, [](const auto& u) { return u.writing; }},
        OptionCase{"direct_formatted",
                   {.access = "direct", .form = "formatted", .recl = "80"},
                   0,
                   [](const auto& u) { return u.mode == UnitMode::formatted_direct && u.record_length == 82; }},
        OptionCase{"direct_unformatted_by_default",
                   {.access = "DIRECT", .recl = "80"},
                   0,
                   [](const auto& u) { return u.mode == UnitMode::unformatted_direct && u.record_length == 80; }},
        OptionCase{"binary_sequential",
                   {.form = "binary"},
                   0,
                   [](const auto& u) { return u.mode == UnitMode::binary_sequential && u.record_length == 65536; }},
        OptionCase{"buffer_rounded_up", {.blocksize = "1000"}, 0, [](const auto& u) { return u.buffer_size == 1024u; }},
        OptionCase{"blank_zero", {.blank = "zero"}, 0, [](const auto& u) { return u.blanks_as_zeros; }},
        OptionCase{
            "delim_quote", {.delim = "quote"}, 0, [](const auto& u) { return u.delimiter == UnitDelimiter::quote; }},
        OptionCase{"pad_no", {.pad = "no"}, 0, [](const auto& u) { return !u.pad; }},
        OptionCase{"first_character_control",
                   {.carriagecontrol = "firstchar"},
                   0,
                   [](const auto& u) { return textio::unit_first_char_control(u); }},
        OptionCase{"action_write",
                   {.action = "WRITE"},
                   0,
                   [](const auto& u) { return u.action == UnitAction::write && u.action_given; }},
        OptionCase{"mode_read",
                   {.mode = "read "},
                   0,
                   [](const auto& u) { return u.action == UnitAction::read && u.action_given; }},
        OptionCase{
            "share_compat", {.share = "compat"}, 0, [](const auto& u) { return u.share == UnitShare::deny_none; }},
        OptionCase{
            "share_deny_write", {.share = "DenyWr"}, 0, [](const auto& u) { return u.share == UnitShare::deny_write; }},
        OptionCase{"all_at_once",
                   {.status = "new",
                    .access = "direct",
                    .form = "formatted",
                    .recl = "80",
                    .blocksize = "1000",
                    .blank = "zero",
                    .delim = "quote",
                    .pad = "no",
                    .carriagecontrol = "firstchar",
                    .share = "compat"},
                   0,
                   [](const auto& u) {
                       return u.mode == UnitMode::formatted_direct && u.record_length == 82 && u.buffer_size == 1024u &&
                              u.blanks_as_zeros && u.delimiter == UnitDelimiter::quote && !u.pad &&
                              textio::unit_first_char_control(u);
                   }},
        OptionCase{"bad_status", {.status = "MAYBE"}, 6304}, OptionCase{"bad_access", {.access = "RANDOM"}, 6306},
        OptionCase{"bad_form", {.form = "PRINTED"}, 6308}, OptionCase{"zero_record_length", {.recl = "0"}, 6315},
        OptionCase{"record_length_not_a_number", {.recl = "12x"}, 6315},
        OptionCase{"direct_without_record_length", {.access = "DIRECT"}, 6311},
        OptionCase{"negative_buffer_size", {.blocksize = "-5"}, 6315}, OptionCase{"bad_blank", {.blank = "ONE"}, 6307},
        OptionCase{"bad_position", {.position = "END"}, 6793}, OptionCase{"bad_action", {.action = "EXECUTE"}, 6794},
        OptionCase{"bad_mode", {.mode = "EXECUTE"}, 6305}, OptionCase{"bad_delim", {.delim = "STAR"}, 6796},
        OptionCase{"bad_pad", {.pad = "MAYBE"}, 6798},
        OptionCase{"bad_carriage_control", {.carriagecontrol = "NONE"}, 6799},
        OptionCase{"bad_share", {.share = "DENYALL"}, 6309},
        OptionCase{"delim_of_an_unformatted_file", {.form = "UNFORMATTED", .delim = "QUOTE"}, 6796},
        OptionCase{"pad_of_a_binary_file", {.form = "BINARY", .pad = "NO"}, 6798}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Units, ReopeningTheSameFileOnTheSameUnitOnlyUpdatesOptions)
{
    ASSERT_FALSE(textio::unit_open(7, path("temp.dat")));
    put(7, "kept");
    textio::Unit* unit = textio::unit_select(7);
    // The same file under another spelling of its name.
    ASSERT_FALSE(textio::unit_open(7, (folder / "." / "temp.dat").string(), {.blank = "ZERO"}));
    EXPECT_EQ(textio::unit_select(7), unit);
    EXPECT_TRUE(unit->blanks_as_zeros);
    EXPECT_EQ(textio::unit_open(7, path("temp.dat"), {.access = "APPEND"}, unit_error_return).number, 6209);
    EXPECT_EQ(textio::unit_open(7, path("temp.dat"), {.form = "BINARY"}, unit_error_return).number, 6209);
    EXPECT_FALSE(textio::unit_open(7, path("temp.dat"), {.access = "sequential", .form = "formatted"}));

    // Another file on the same unit: the first connection is closed first.
    ASSERT_FALSE(textio::unit_open(7, path("second.dat")));
    EXPECT_EQ(contents(path("temp.dat")), "kept");
}

TEST_F(Units, TheSameFileOnAnotherUnitIsRefused)
{
    ASSERT_FALSE(textio::unit_open(7, path("temp.dat")));
    EXPECT_EQ(textio::unit_open(8, path("temp.dat"), {}, unit_error_return).number, 6413);
    EXPECT_EQ(textio::unit_select(8), nullptr);

    const auto outcome = run_in_child([&] { textio::unit_open(8, path("temp.dat")); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6413: OPEN(" + path("temp.dat") +
                                        ")\r\n- file already connected to another unit\r\n");
}

TEST_F(Units, AFolderInPlaceOfTheFileIsReportedNotOpened)
{
    std::filesystem::create_directory(path("dir"));
    EXPECT_EQ(textio::unit_open(1, path("dir"), {}, unit_error_return).number, 6414);
    EXPECT_EQ(textio::unit_select(1), nullptr);
    const auto outcome = run_in_child([&] { textio::unit_open(1, path("dir")); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6414: OPEN(" + path("dir") +
                                        ")\r\n- access to the file denied (the name is a folder)\r\n");
}

TEST_F(Units, AMissingFolderOfThePathIsFileNotFound)
{
    EXPECT_EQ(textio::unit_open(1, path("no/such/file"), {}, unit_error_return).number, 6416);
}

TEST_F(Units, TheTableHoldsSixtyOneUnits)
{
    for (int number = 100; number < 161; ++number)
        ASSERT_FALSE(textio::unit_open(number, path(std::to_string(number))));
    EXPECT_EQ(textio::unit_open(200, path("one_too_many"), {}, unit_error_return).number, 6418);
    EXPECT_FALSE(std::filesystem::exists(path("one_too_many")));
}

TEST_F(Units, ReadOnlyActionOpensButTheFirstWriteFails)
{
    make_file(path("temp.dat"), "old contents");
    ASSERT_FALSE(textio::unit_open(7, path("temp.dat"), {.action = "READ"}));
    const auto outcome = run_in_child([] { testing_support::FreshUnitTable::put(7, "x"); });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output, "\r\nrun-time error F6421: WRITE(" + path("temp.dat") +
                                        ")\r\n- cannot write: access denied or region locked\r\n");
    EXPECT_EQ(contents(path("temp.dat")), "old contents");
}

TEST_F(Units, ABlankNameIsAskedForOnTheConsoleUntilGiven)
{
    const std::string name = path("asked.txt");
    const auto outcome = run_in_child(
        [] {
            textio::units_initialise();
            if (textio::unit_open(9, "   ")) std::exit(2);
            testing_support::FreshUnitTable::put(9, "answered");
            textio::close_all_units();
        },
        "\r\n  \n" + name + "\r\n");
    EXPECT_EQ(outcome.status, 0);
    const std::string prompt = "File name missing or blank - please enter file name\r\nUNIT 9? ";
    EXPECT_EQ(outcome.standard_output, prompt + prompt + prompt);
    EXPECT_EQ(contents(name), "answered");
}

TEST_F(Units, TheEndOfTheConsoleInputEndsTheQuestion)
{
    const auto outcome = run_in_child([] { textio::unit_open(9, ""); }, "\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.error_output,
              "\r\nrun-time error F6416: OPEN()\r\n- file name missing: end of input on the console\r\n");
}

}  // namespace
