// The numerical core's time loop against the bare recurrences it is built
// from, in nanoseconds per cell-step (N volumes times nt steps).
//
//   TimeLoop            the driver's whole computation (simular): coefficients,
//                       initial field, time loop, analytic field, on a
//                       Crank-Nicolson case; errors found by the flags, tested
//                       once a block (as where the processor cannot trap)
//   TimeLoopTrapping    the same with the processor trapping, as a run on
//                       x86-64 starts: no flag is tested
//   BareRecurrences     forward sweep and back substitution alone, no calls
//   SourceTerms         coef_fonte alone
//   NumericalMean       media_numerica alone
//
// The time loop should cost about the sum of the last three plus little.

#include <vector>

#include <benchmark/benchmark.h>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "process/fp_environment.h"

namespace {

constexpr int volumes = 20000;
constexpr int steps = 4000;

void set_problem()
{
    driver::reset_simulation_state();
    driver::SimulationState& s = driver::state;
    s.pi = numerics::valor_de_pi();
    s.N = volumes;
    s.nt = steps;
    s.tf = 100.0;
    s.theta = 0.5;
    s.alpha = 1e-4;
    s.L = 1.0;
}

void report_per_cell_step(benchmark::State& bench)
{
    // Rate of cell-steps, inverted: seconds per cell-step, shown in ns by the reporter.
    bench.counters["per_cell_step"] = benchmark::Counter(static_cast<double>(bench.iterations()) * volumes * steps,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void TimeLoop(benchmark::State& bench)
{
    for (auto _ : bench) {
        bench.PauseTiming();
        set_problem();
        bench.ResumeTiming();
        driver::simular();
        benchmark::DoNotOptimize(driver::state.T(1));
    }
    report_per_cell_step(bench);
}

void TimeLoopTrapping(benchmark::State& bench)
{
    process::fp_traps_enable();
    TimeLoop(bench);
    process::fp_environment_set();
}

void BareRecurrences(benchmark::State& bench)
{
    set_problem();
    driver::simular();  // realistic coefficients and sources
    const driver::SimulationState& s = driver::state;
    std::vector<double> P(volumes + 1), Q(volumes + 1), T(volumes + 2);
    for (auto _ : bench) {
        for (int k = 1; k <= steps; ++k) {
            double P_previous = P[1] = s.ae(1) / s.ap(1);
            double Q_previous = Q[1] = s.bp(1) / s.ap(1);
            for (int i = 2; i <= volumes; ++i) {
                const double den = s.ap(i) - (P_previous * s.aw(i));
                P[i] = P_previous = s.ae(i) / den;
                Q[i] = Q_previous = ((Q_previous * s.aw(i)) + s.bp(i)) / den;
            }
            double T_next = T[volumes] = Q[volumes];
            for (int i = volumes - 1; i >= 1; --i) T[i] = T_next = (P[i] * T_next) + Q[i];
            benchmark::ClobberMemory();
        }
        benchmark::DoNotOptimize(T.data());
    }
    report_per_cell_step(bench);
}

void SourceTerms(benchmark::State& bench)
{
    set_problem();
    driver::simular();
    for (auto _ : bench) {
        for (int k = 1; k <= steps; ++k) {
            numerics::coef_fonte();
            benchmark::ClobberMemory();
        }
    }
    report_per_cell_step(bench);
}

void NumericalMean(benchmark::State& bench)
{
    set_problem();
    driver::simular();
    for (auto _ : bench) {
        for (int k = 1; k <= steps; ++k) {
            numerics::media_numerica(driver::state.Tm(k));
            benchmark::ClobberMemory();
        }
    }
    report_per_cell_step(bench);
}

}  // namespace

BENCHMARK(TimeLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TimeLoopTrapping)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareRecurrences)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SourceTerms)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(NumericalMean)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
