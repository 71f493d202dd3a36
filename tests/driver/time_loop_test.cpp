// The driver's run on problem data placed in the state: order of the steps,
// accumulated time, recorded means, and a case worked out by hand.

#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "support/slab_case.h"

namespace {

using driver::state;

using TimeLoop = testing_support::SlabCaseTest;
using testing_support::set_slab_case;

TEST_F(TimeLoop, ImplicitTwoVolumeStepMatchesHandSolution)
{
    // N = 2, one implicit step of 1 s, L = alpha = 1, ends at 0: the system is
    // 6.5*T1 = 2*T2 + 0.5*T0(1), 6.5*T2 = 2*T1 + 0.5*T0(2), so T = T0/9.
    // Expected values from an independent 2x2 solve by Cramer's rule.
    set_slab_case({2, 1, 1.0, 1.0, 1.0, 1.0, 0.0, 0.0});
    driver::simular();
    EXPECT_EQ(state.dx, 0.5);
    EXPECT_EQ(state.dt, 1.0);
    EXPECT_EQ(state.t, 1.0);
    EXPECT_NEAR(state.T(1), 0.07856742013183861, 2e-17);
    EXPECT_NEAR(state.T(2), 0.07856742013183862, 2e-17);
    EXPECT_NEAR(state.Tm(0), 0.5303300858899106, 1e-16);
    EXPECT_NEAR(state.Tm(1), 0.05892556509887896, 1e-17);
    EXPECT_EQ(state.Tman(0), 2.0 / std::acos(-1.0));
    EXPECT_NEAR(state.Tman(1), 3.292800302719704e-05, 1e-19);
}

TEST_F(TimeLoop, TimeIsASumOfAdditions)
{
    const int nt = 1000;
    set_slab_case({5, nt, 0.7, 0.5, 1e-3, 1.0, 0.0, 0.0});
    driver::simular();
    double t = 0.0;
    const double dt = 0.7 / nt;
    for (int k = 0; k < nt; ++k) t += dt;
    EXPECT_EQ(state.t, t);
    EXPECT_NE(state.t, nt * dt) << "pick a case where the two differ, so the test can tell them apart";
    // The last analytic mean belongs to the accumulated time.
    double expected = 0.0;
    numerics::media_analitica(expected);
    EXPECT_EQ(state.Tman(nt), expected);
}

TEST_F(TimeLoop, PreviousLevelEqualsNewLevelAfterTheLoop)
{
    set_slab_case({17, 13, 2.0, 0.5, 0.01, 1.0, 1.0, -1.0});
    driver::simular();
    // Bit for bit: the copy, not merely equal values.
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
    EXPECT_EQ(std::memcmp(state.T.data(), state.T0.data(), 17 * sizeof(double)), 0);
}

TEST_F(TimeLoop, LevelZeroMeansComeFromTheInitialProfile)
{
    set_slab_case({8, 3, 1.0, 1.0, 1.0, 2.0, 0.0, 0.0});
    driver::simular();
    // Recompute the level-0 mean from the initial profile by the trapezoidal rule.
    const double dx = 2.0 / 8;
    double s = 0.0, prev = 0.0;
    for (int i = 1; i <= 8; ++i) {
        const double Ti = std::sin(((i - 0.5) * dx * std::acos(-1.0)) / 2.0);
        s += (i == 1 ? Ti * dx * 0.25 : (prev + Ti) * dx * 0.5);
        prev = Ti;
    }
    s += prev * dx * 0.25;
    EXPECT_NEAR(state.Tm(0), s / 2.0, 1e-15);
    EXPECT_EQ(state.Tman(0), 2.0 / std::acos(-1.0));
}

TEST_F(TimeLoop, SourcesAfterTheRunAreThoseOfTheLastStep)
{
    set_slab_case({6, 4, 1.0, 0.5, 0.1, 1.0, 2.0, 3.0});
    driver::simular();
    const std::vector<double> bp_last(state.bp.data(), state.bp.data() + 6);
    // T0 before the last step can be recovered by running one step less.
    set_slab_case({6, 3, 0.75, 0.5, 0.1, 1.0, 2.0, 3.0});
    driver::simular();
    state.dt = 0.25;
    numerics::coef_fonte();
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(state.bp(i), bp_last[i - 1]) << "volume " << i;
}

TEST_F(TimeLoop, ExplicitRunWithSmallStepStaysBounded)
{
    // Stable explicit scheme: dt*alpha/dx^2 = 0.25.
    set_slab_case({10, 100, 0.25, 0.0, 1.0, 1.0, 0.0, 0.0});
    driver::simular();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_GE(state.T(i), 0.0);
        EXPECT_LT(state.T(i), state.T0(i) + 1.0);
    }
    EXPECT_LT(state.Tm(100), state.Tm(0));
}

}  // namespace
