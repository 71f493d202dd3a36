// Coefficients of the theta scheme: the end volumes, the explicit and fully
// implicit special cases and the symmetry of the source terms.

#include <gtest/gtest.h>

#include "driver/state/simulation_state.h"
#include "numerics/numerics.h"
#include "support/slab_case.h"

namespace {

using driver::state;

class Coefficients : public testing_support::SlabCaseTest {
protected:
    // N volumes on a slab with the given steps, arrays allocated.
    static void set_up_slab(int N, double dx, double dt, double theta, double alpha)
    {
        testing_support::set_slab_case({.N = N, .theta = theta, .alpha = alpha});
        state.dx = dx;
        state.dt = dt;
        driver::allocate_field_arrays();
    }
};

TEST_F(Coefficients, TwoVolumesHaveOnlyEndRows)
{
    // dx = 0.5, dt = 0.25, theta = 0.5, alpha = 1: g = 0.25, dx/alpha = 0.5,
    // so ap = 3*0.25 + 0.5 = 1.25 at both ends (all exact in binary).
    set_up_slab(2, 0.5, 0.25, 0.5, 1.0);
    numerics::coef_matriz();
    EXPECT_EQ(state.aw(1), 0.0);
    EXPECT_EQ(state.ae(1), 0.25);
    EXPECT_EQ(state.aw(2), 0.25);
    EXPECT_EQ(state.ae(2), 0.0);
    EXPECT_EQ(state.ap(1), 1.25);
    EXPECT_EQ(state.ap(2), 1.25);

    // bp(1) = 2*dt*Ta/dx + T0(2)*anb0 + T0(1)*ap0 with anb0 = 0.25 and
    // ap0 = dx/alpha - 3*(1-theta)*dt/dx = 0.5 - 0.75 = -0.25.
    state.Ta = 4.0;
    state.Tb = 8.0;
    state.T0(1) = 1.0;
    state.T0(2) = 2.0;
    numerics::coef_fonte();
    EXPECT_EQ(state.bp(1), 2.0 * 0.25 * 4.0 / 0.5 + 2.0 * 0.25 + 1.0 * -0.25);
    EXPECT_EQ(state.bp(1), 4.25);
    EXPECT_EQ(state.bp(2), 8.0 + 0.25 - 0.5);
}

TEST_F(Coefficients, InteriorRowsCarryTwoConductances)
{
    set_up_slab(5, 0.5, 0.25, 0.5, 1.0);
    numerics::coef_matriz();
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(state.aw(i), 0.25);
        EXPECT_EQ(state.ae(i), 0.25);
        EXPECT_EQ(state.ap(i), 1.0) << "volume " << i;  // 2*0.25 + 0.5
    }
    EXPECT_EQ(state.ap(1), 1.25);
    EXPECT_EQ(state.ap(5), 1.25);
}

TEST_F(Coefficients, ExplicitSchemeDecouplesTheVolumes)
{
    set_up_slab(4, 0.1, 0.001, 0.0, 0.5);
    numerics::coef_matriz();
    const double d = 0.1 / 0.5;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(state.aw(i), 0.0);
        EXPECT_EQ(state.ae(i), 0.0);
        EXPECT_EQ(state.ap(i), d);
    }
    state.Ta = 10.0;
    state.Tb = -3.0;
    for (int i = 1; i <= 4; ++i) state.T0(i) = 1.0 + i;
    numerics::coef_fonte();
    // bp(1) = 2*dt*Ta/dx + T0(2)*dt/dx + T0(1)*(dx/alpha - 3*dt/dx): 0.2 + 0.03 + 2*0.17
    EXPECT_DOUBLE_EQ(state.bp(1), 0.57);
    // bp(2) = (T0(3) + T0(1))*dt/dx + T0(2)*(dx/alpha - 2*dt/dx): 0.06 + 3*0.18
    EXPECT_DOUBLE_EQ(state.bp(2), 0.6);
    // bp(4) = 2*Tb*dt/dx + T0(3)*dt/dx + T0(4)*(dx/alpha - 3*dt/dx): -0.06 + 0.04 + 5*0.17
    EXPECT_DOUBLE_EQ(state.bp(4), 0.83);
}

TEST_F(Coefficients, ImplicitSchemeKeepsOnlyOwnStorageAndBoundary)
{
    set_up_slab(6, 0.25, 0.5, 1.0, 2.0);
    numerics::coef_matriz();
    state.Ta = 3.0;
    state.Tb = 5.0;
    for (int i = 1; i <= 6; ++i) state.T0(i) = 0.5 * i;
    numerics::coef_fonte();
    const double d = 0.25 / 2.0;
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(state.bp(i), state.T0(i) * d) << "volume " << i;
    EXPECT_EQ(state.bp(1), 2.0 * 0.5 * 3.0 / 0.25 + state.T0(1) * d);  // 12 + 0.0625
    EXPECT_EQ(state.bp(6), 2.0 * 5.0 * 0.5 / 0.25 + state.T0(6) * d);  // 20 + 0.375
}

TEST_F(Coefficients, SymmetricFieldGivesSymmetricSources)
{
    const int N = 9;
    set_up_slab(N, 1.0 / N, 0.01, 0.5, 1e-2);
    numerics::coef_matriz();
    for (int i = 1; i <= N; ++i) state.T0(i) = (i - 0.5) * (N + 0.5 - i);  // symmetric about the middle
    numerics::coef_fonte();
    for (int i = 1; i <= N; ++i) {
        EXPECT_EQ(state.bp(i), state.bp(N + 1 - i)) << "volume " << i;
        EXPECT_EQ(state.ap(i), state.ap(N + 1 - i));
    }
}

}  // namespace
