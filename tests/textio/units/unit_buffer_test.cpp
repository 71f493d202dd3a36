// The unit buffer: when bytes reach the file, cutting an existing file at
// the first write, rewriting bytes already put, reading byte by byte.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/unit_table.h"
#include "support/unit_writes.h"
#include "textio/units/unit_record.h"

namespace {

using testing_support::run_in_child;
using Buffer = testing_support::FreshUnitTable;
using testing_support::pattern;

TEST_F(Buffer, AShortReportReachesTheDiskOnlyAtClose)
{
    ASSERT_FALSE(textio::unit_open(5, path("saida.txt")));
    put(5, "short report\r\n");
    EXPECT_EQ(std::filesystem::file_size(path("saida.txt")), 0u);
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), "short report\r\n");
}

TEST_F(Buffer, TheFileReceivesWholeBuffersWhileWriting)
{
    const std::string bytes = pattern(2500);
    ASSERT_FALSE(textio::unit_open(7, path("temp.dat")));
    put(7, bytes.substr(0, 1000));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 0u);
    put(7, bytes.substr(1000));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 2048u);
    EXPECT_EQ(textio::unit_position(*textio::unit_select(7)), 2500);
    textio::close_all_units();
    EXPECT_EQ(contents(path("temp.dat")), bytes);
}

TEST_F(Buffer, ABufferSizeOptionIsRoundedUpTo512)
{
    ASSERT_FALSE(textio::unit_open(7, path("temp.dat"), {.blocksize = "600"}));
    put(7, pattern(1030));
    EXPECT_EQ(std::filesystem::file_size(path("temp.dat")), 1024u);
}

TEST_F(Buffer, AnExistingLongerFileIsReplacedExactly)
{
    make_file(path("saida.txt"), std::string(10000, 'x'));
    ASSERT_FALSE(textio::unit_open(5, path("saida.txt")));
    EXPECT_EQ(std::filesystem::file_size(path("saida.txt")), 10000u);  // untouched until the first write
    const std::string report = pattern(1500);
    put(5, report);
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), report);
}

TEST_F(Buffer, AFileOpenedButNeverWrittenIsLeftUntouched)
{
    const std::string old = pattern(10000);
    make_file(path("saida.txt"), old);
    ASSERT_FALSE(textio::unit_open(5, path("saida.txt")));
    textio::unit_close(5);
    EXPECT_EQ(contents(path("saida.txt")), old);
}

TEST_F(Buffer, WritingAfterReadingCutsTheFileWhereReadingStopped)
{
    make_file(path("f"), "line one\nline two\n");
    ASSERT_FALSE(textio::unit_open(1, path("f")));
    textio::Unit& unit = *textio::unit_select(1);
    for (int i = 0; i < 9; ++i) textio::unit_read_byte(unit);
    textio::unit_begin_write(unit);
    textio::unit_put(unit, "new\n", 4);
    textio::unit_close(1);
    EXPECT_EQ(contents(path("f")), "line one\nnew\n");
}

TEST_F(Buffer, OverwritingReachesBytesInTheBufferAndInTheFile)
{
    ASSERT_FALSE(textio::unit_open(7, path("tabs")));
    textio::Unit& unit = *textio::unit_select(7);
    textio::unit_begin_write(unit);
    testing_support::put_blanks(unit, 1030);  // the first 1024 are in the file already
    textio::unit_overwrite(unit, 1020, "ABCDEFGH", 8);
    textio::unit_overwrite(unit, 0, "<", 1);
    textio::unit_put(unit, "|", 1);
    EXPECT_EQ(textio::unit_position(unit), 1031);
    textio::unit_close(7);
    std::string expected(1030, ' ');
    expected.replace(1020, 8, "ABCDEFGH");
    expected[0] = '<';
    EXPECT_EQ(contents(path("tabs")), expected + "|");
}

// Puts, runs and claims through the writer around the end of a 512-byte
// buffer: the file holds exactly the bytes in order, and receives each
// buffer as soon as it is full, never a byte more.
TEST_F(Buffer, TheWriterFillsTheBufferToItsEndAndNeverPastIt)
{
    struct Step {
        char kind;  // 'p' put, 'r' run of one byte, 'c' claim then fill
        std::size_t count;
    };
    const std::vector<std::vector<Step>> cases = {
        {{'p', 511}, {'p', 1}, {'p', 1}},  // the buffer full at once
        {{'p', 510}, {'r', 2}, {'p', 3}},
        {{'p', 500}, {'c', 11}, {'c', 1}, {'p', 2}},  // the claim that would fill it is refused
        {{'c', 511}, {'c', 0}, {'r', 1}},
        {{'r', 1500}, {'p', 1100}, {'c', 300}},  // runs and puts over several buffers
        {{'p', 3}, {'c', 600}, {'p', 0}},        // a claim larger than the buffer
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const std::string file = path("writer" + std::to_string(c));
        ASSERT_FALSE(textio::unit_open(7, file, {.blocksize = "512"}));
        textio::UnitWriter writer;
        writer.begin(*textio::unit_select(7));
        std::string expected;
        for (const Step& step : cases[c]) {
            std::string bytes = pattern(expected.size() + step.count).substr(expected.size());
            if (step.kind == 'p') {
                writer.put(bytes.data(), bytes.size());
            } else if (step.kind == 'r') {
                writer.put_repeated('#', step.count);
                bytes.assign(step.count, '#');
            } else if (char* const at = writer.claim(step.count)) {
                EXPECT_LT(expected.size() % 512 + step.count, 512u) << "case " << c;
                std::copy(bytes.begin(), bytes.end(), at);
            } else {
                EXPECT_GE(expected.size() % 512 + step.count, 512u) << "case " << c;
                continue;
            }
            expected += bytes;
            EXPECT_EQ(std::filesystem::file_size(file), expected.size() / 512 * 512) << "case " << c;
            EXPECT_EQ(writer.position(), static_cast<std::int64_t>(expected.size())) << "case " << c;
        }
        writer.end();
        textio::unit_close(7);
        EXPECT_EQ(contents(file), expected) << "case " << c;
    }
}

TEST_F(Buffer, ReadingGivesEveryByteThenTheEndOfFile)
{
    const std::string bytes = pattern(3000) + "\xff";
    make_file(path("dados.txt"), bytes);
    ASSERT_FALSE(textio::unit_open(5, path("dados.txt")));
    textio::Unit& unit = *textio::unit_select(5);
    std::string got;
    for (int byte; (byte = textio::unit_read_byte(unit)) >= 0;) {
        got += static_cast<char>(byte);
        if (got.size() == 1025) {  // stepping back to the first byte of a refilled buffer
            textio::unit_unread_byte(unit);
            textio::unit_unread_byte(unit);  // one level only
            EXPECT_EQ(textio::unit_read_byte(unit), static_cast<unsigned char>(got.back()));
        }
    }
    EXPECT_EQ(got, bytes);
    EXPECT_EQ(textio::unit_read_byte(unit), -1);
    EXPECT_FALSE(textio::unit_at_end(unit));
    textio::unit_mark_end(unit);
    EXPECT_TRUE(textio::unit_at_end(unit));
}

TEST_F(Buffer, ClosingAllUnitsWritesEveryLastBuffer)
{
    for (int number : {5, 7, 8}) ASSERT_FALSE(textio::unit_open(number, path(std::to_string(number))));
    for (int number : {5, 7, 8}) put(number, "unit " + std::to_string(number));
    textio::close_all_units();
    for (int number : {5, 7, 8}) {
        EXPECT_EQ(contents(path(std::to_string(number))), "unit " + std::to_string(number));
        EXPECT_EQ(textio::unit_select(number) == nullptr, number != 5);
    }
}

}  // namespace
