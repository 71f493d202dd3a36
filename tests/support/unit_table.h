#pragma once
// A fresh folder and a fresh unit table for every test that reads or writes
// through the units; every unit closed after the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/files.h"
#include "support/scratch_folder.h"
#include "textio/units/unit.h"

namespace testing_support {

// `count` bytes of the letters a to z over and over.
inline std::string pattern(std::size_t count)
{
    std::string bytes(count, ' ');
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

class FreshUnitTable : public ::testing::Test {
protected:
    void SetUp() override { textio::units_initialise(); }
    void TearDown() override { textio::close_all_units(); }

    std::string path(const std::string& leaf) const { return (folder / leaf).string(); }

    static std::string contents(const std::string& file) { return read_file(file); }
    static void make_file(const std::string& file, const std::string& bytes) { write_file(file, bytes); }
    static void put(int number, const std::string& bytes)
    {
        textio::Unit* unit = textio::unit_select(number);
        ASSERT_NE(unit, nullptr);
        textio::unit_begin_write(*unit);
        textio::unit_put(*unit, bytes.data(), bytes.size());
    }

    const std::filesystem::path folder = make_scratch_folder("unit_table");
};

}  // namespace testing_support
