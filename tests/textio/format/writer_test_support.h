#pragma once
// Write statements on a scratch file: every test gets a fresh folder and
// unit table, writes with error return and reads the bytes back.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "support/files.h"
#include "support/scratch_folder.h"
#include "support/unit_table.h"
#include "textio/format/write_statement.h"
#include "textio/units/unit.h"

namespace writer_testing {

using Item = std::variant<std::int32_t, double>;

constexpr int scratch_unit = 20;

class WriterFile : public testing_support::FreshUnitTable {
protected:
    void SetUp() override
    {
        FreshUnitTable::SetUp();
        open();
    }

    void open(const textio::OpenOptions& options = {})
    {
        ASSERT_FALSE(textio::unit_open(scratch_unit, file(), options));
    }
    // Another file on the scratch unit (the previous one closed).
    void reopen(const std::string& leaf, const textio::OpenOptions& options = {})
    {
        textio::unit_close(scratch_unit);
        leaf_ = leaf;
        open(options);
    }
    std::string file() const { return (folder / leaf_).string(); }

    // One statement; returns its result.
    static int write(const std::string& format, const std::vector<Item>& items = {}, int unit = scratch_unit)
    {
        textio::format_write_begin(unit, format.data(), static_cast<int>(format.size()),
                                   textio::format_write_error_return);
        for (const Item& item : items) {
            if (std::holds_alternative<std::int32_t>(item))
                textio::format_write_integer(std::get<std::int32_t>(item));
            else
                textio::format_write_real(std::get<double>(item));
        }
        return textio::format_write_end().number;
    }

    // Closes the unit and returns what the file holds.
    std::string written()
    {
        textio::unit_close(scratch_unit);
        return testing_support::read_file(file());
    }

    // The bytes of one statement alone.
    std::string bytes_of(const std::string& format, const std::vector<Item>& items = {})
    {
        EXPECT_EQ(write(format, items), 0) << format;
        return written();
    }

    std::string leaf_ = "out.txt";
};

inline std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

}  // namespace writer_testing
