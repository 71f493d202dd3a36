// One E25.15 field under 1P, in nanoseconds per field, beside the C
// library's "%25.15E" of the same values in the same run.
//
//   RenderRealE25_15        render_real on random doubles of the program's magnitudes
//   RenderRealE25_15Wide    the same over the whole exponent range
//   RenderInPlaceE25_15     render_scientific ending at the field's end, as the
//                           record writer puts a field in the unit buffer
//   SnprintfE25_15          snprintf("%25.15E") of the same values
//   DecimalDigits           decimal_digits alone

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "program_values.h"
#include "textio/render/render.h"

namespace {

std::vector<double> wide_values()
{
    std::mt19937_64 random(2);
    std::vector<double> values(4096);
    for (double& value : values) {
        do value = std::bit_cast<double>(random());
        while (!std::isfinite(value));
    }
    return values;
}

textio::EditState e25_15()
{
    textio::EditState item;
    item.code = textio::item_real_e;
    item.w = 25;
    item.d = 15;
    item.scale = 1;
    return item;
}

void render_over(benchmark::State& state, const std::vector<double>& values)
{
    const textio::EditState item = e25_15();
    char text[textio::field_buffer_size + 16];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(textio::render_real(values[i++ & 4095], item, text));
        benchmark::ClobberMemory();
    }
}

void RenderRealE25_15(benchmark::State& state) { render_over(state, program_values()); }
void RenderRealE25_15Wide(benchmark::State& state) { render_over(state, wide_values()); }

void RenderInPlaceE25_15(benchmark::State& state)
{
    const std::vector<double> values = program_values();
    const textio::EditState item = e25_15();
    char record[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(textio::render_scientific(values[i++ & 4095], item, record + item.w, item.w));
        benchmark::ClobberMemory();
    }
}

void SnprintfE25_15(benchmark::State& state)
{
    const std::vector<double> values = program_values();
    char text[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%25.15E", values[i++ & 4095]));
        benchmark::ClobberMemory();
    }
}

void DecimalDigits(benchmark::State& state)
{
    const std::vector<double> values = program_values();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(textio::decimal_digits(values[i++ & 4095]));
}

BENCHMARK(RenderRealE25_15);
BENCHMARK(RenderRealE25_15Wide);
BENCHMARK(RenderInPlaceE25_15);
BENCHMARK(SnprintfE25_15);
BENCHMARK(DecimalDigits);

}  // namespace

BENCHMARK_MAIN();
