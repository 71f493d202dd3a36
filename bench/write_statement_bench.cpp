// A whole write statement "(4(1P,E25.15))" with four reals into a file
// unit, in nanoseconds per record, beside snprintf of the same four fields
// and fwrite of the line.
//
//   WriteStatement4E25_15   format_write_begin, four format_write_real, format_write_end
//   WriteStatement4E25_15Tmpfs  the same into a file on tmpfs
//   Snprintf4E25_15         four snprintf("%25.15E") and an fwrite of the record
//   WriteStatementReportRow "(I10,1P,E20.9,3(1P,E25.15))" with an integer and four reals

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "program_values.h"
#include "textio/format/write_statement.h"
#include "textio/units/unit.h"

namespace {

constexpr int bench_unit = 30;

std::string scratch_file(const char* leaf)
{
    static const std::string folder = [] {
        char name[] = "/tmp/write_bench_XXXXXX";
        if (::mkdtemp(name) == nullptr) std::abort();
        return std::string(name);
    }();
    return folder + "/" + leaf;
}

void write_four_reals(benchmark::State& state, const std::string& file)
{
    textio::units_initialise();
    textio::unit_open(bench_unit, file);
    const std::vector<double> values = program_values();
    std::size_t i = 0;
    for (auto _ : state) {
        textio::format_write_begin(bench_unit, "(4(1P,E25.15))", -1, 0);
        textio::format_write_real(values[i & 4095]);
        textio::format_write_real(values[(i + 1) & 4095]);
        textio::format_write_real(values[(i + 2) & 4095]);
        textio::format_write_real(values[(i + 3) & 4095]);
        textio::format_write_end();
        i += 4;
    }
    textio::unit_close(bench_unit, "DELETE");
}

void WriteStatement4E25_15(benchmark::State& state) { write_four_reals(state, scratch_file("statement.txt")); }

// The same into a file in memory (tmpfs): less of the kernel's share.
void WriteStatement4E25_15Tmpfs(benchmark::State& state)
{
    write_four_reals(state, "/dev/shm/write_statement_bench.txt");
}

void Snprintf4E25_15(benchmark::State& state)
{
    std::FILE* file = std::fopen(scratch_file("snprintf.txt").c_str(), "wb");
    const std::vector<double> values = program_values();
    char line[128];
    std::size_t i = 0;
    for (auto _ : state) {
        int length = 0;
        for (int k = 0; k < 4; ++k)
            length += std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length), "%25.15E",
                                    values[(i + static_cast<std::size_t>(k)) & 4095]);
        line[length++] = '\r';
        line[length++] = '\n';
        std::fwrite(line, 1, static_cast<std::size_t>(length), file);
        i += 4;
    }
    std::fclose(file);
    std::remove(scratch_file("snprintf.txt").c_str());
}

void WriteStatementReportRow(benchmark::State& state)
{
    textio::units_initialise();
    textio::unit_open(bench_unit, scratch_file("row.txt"));
    const std::vector<double> values = program_values();
    std::size_t i = 0;
    for (auto _ : state) {
        textio::format_write_begin(bench_unit, "(I10,1P,E20.9,3(1P,E25.15))", -1, 0);
        textio::format_write_integer(static_cast<std::int32_t>(i));
        textio::format_write_real(values[i & 4095]);
        textio::format_write_real(values[(i + 1) & 4095]);
        textio::format_write_real(values[(i + 2) & 4095]);
        textio::format_write_real(values[(i + 3) & 4095]);
        textio::format_write_end();
        i += 4;
    }
    textio::unit_close(bench_unit, "DELETE");
}

BENCHMARK(WriteStatement4E25_15);
BENCHMARK(WriteStatement4E25_15Tmpfs);
BENCHMARK(Snprintf4E25_15);
BENCHMARK(WriteStatementReportRow);

}  // namespace

BENCHMARK_MAIN();
