// Without traps (this process never enables them, as on processors that
// cannot trap) a step that faults twice is reported at its first fault, and
// the checked run of a block computes the very bits of the plain one.

#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "process/fp_environment.h"

namespace {

using driver::state;

// Explicit, dt = 1e308, dx = 1: in the first step coef_fonte's
// ((theta - 1)*dt)*3 overflows, and later in the same step the solver's
// (-inf)*0 is invalid.
void set_two_fault_step()
{
    driver::reset_simulation_state();
    state.pi = std::acos(-1.0);
    state.N = 4;
    state.nt = 1;
    state.tf = 1e308;
    state.alpha = 1.0;
    state.L = 4.0;
}

TEST(FirstFaultDeathTest, StepIsReportedAtItsFirstFaultNotALaterOne)
{
    ASSERT_FALSE(process::fp_traps_work());
    EXPECT_EXIT(
        {
            set_two_fault_step();
            driver::simular();
        },
        testing::ExitedWithCode(1), "run-time error M6104: MATH\r\n- floating-point error: overflow");

    // Both flags are raised by the step's plain run: the flags alone would
    // name the invalid operation.
    set_two_fault_step();
    {
        const process::FpTrapsHeld held;
        state.dx = state.L / state.N;
        state.dt = state.tf / state.nt;
        driver::allocate_field_arrays();
        numerics::coef_matriz();
        numerics::campo_inicial();
        numerics::coef_fonte();
        numerics::tdma(state.N, state.ap, state.aw, state.ae, state.bp, state.T);
        EXPECT_TRUE(held.flagged(platform::FpTrap::overflow));
        EXPECT_TRUE(held.flagged(platform::FpTrap::invalid));
    }
    driver::reset_simulation_state();
}

// Every array a step writes, after the blocks of a run's start and one step
// over the real type R.
template <class R>
std::vector<double> one_step_over()
{
    driver::reset_simulation_state();
    state.pi = std::acos(-1.0);
    state.N = 7, state.nt = 1, state.tf = 0.3, state.theta = 0.5, state.alpha = 0.7, state.L = 1.3, state.Ta = 2.0;
    driver::allocate_field_arrays();
    driver::grandezas_derivadas<R>();
    numerics::coef_matriz<R>();
    numerics::campo_inicial<R>();
    state.t = 0.3;
    numerics::coef_fonte<R>();
    numerics::tdma<R>(state.N, state.ap, state.aw, state.ae, state.bp, state.T);
    numerics::media_numerica<R>(state.Tm(1));
    numerics::media_analitica<R>(state.Tman(1));
    numerics::campo_analitico<R>();
    std::vector<double> values{state.dx, state.dt, state.Tm(1), state.Tman(1)};
    for (const driver::VolumeArray* array :
         {&state.aw, &state.ap, &state.ae, &state.T0, &state.bp, &state.T, &state.Tan})
        values.insert(values.end(), array->data(), array->data() + array->size());
    driver::reset_simulation_state();
    return values;
}

TEST(CheckedRun, GivesTheBitsOfThePlainRun)
{
    const std::vector<double> plain = one_step_over<double>();
    const std::vector<double> checked = one_step_over<process::CheckedReal>();
    ASSERT_EQ(plain.size(), checked.size());
    EXPECT_EQ(std::memcmp(plain.data(), checked.data(), plain.size() * sizeof(double)), 0);
}

}  // namespace
