// Without traps (this process never enables them, as on processors that
// cannot trap) a step that faults twice is reported at its first fault.

#include <cmath>

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

}  // namespace
