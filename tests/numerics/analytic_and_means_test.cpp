// Initial field, mean temperatures and the analytic solution.

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "driver/state/simulation_state.h"
#include "numerics/numerics.h"
#include "support/slab_case.h"

namespace {

using driver::state;

class AnalyticAndMeans : public testing_support::SlabCaseTest {
protected:
    static void set_up_slab(int N, double L)
    {
        testing_support::set_slab_case({.N = N, .L = L});
        state.dx = L / N;
        driver::allocate_field_arrays();
    }
};

TEST_F(AnalyticAndMeans, UniformFieldHasItsOwnMean)
{
    set_up_slab(37, 2.5);
    for (int i = 1; i <= 37; ++i) state.T(i) = 42.0;
    state.Ta = state.Tb = 42.0;
    double mean = 0.0;
    numerics::media_numerica(mean);
    EXPECT_NEAR(mean, 42.0, 1e-12);
}

TEST_F(AnalyticAndMeans, TwoVolumeMeanIsTheTrapezoidalRule)
{
    // L = 1, dx = 0.5: weights 1/8, 1/2 (shared), 1/8 over T1, T2 and the ends.
    set_up_slab(2, 1.0);
    state.T(1) = 1.0;
    state.T(2) = 3.0;
    state.Ta = 8.0;
    state.Tb = 16.0;
    double mean = 0.0;
    numerics::media_numerica(mean);
    // (1+8)/8 + (1+3)/4 + (3+16)/8 = 1.125 + 1 + 2.375
    EXPECT_EQ(mean, 4.5);
}

TEST_F(AnalyticAndMeans, InitialProfileMeanApproachesTwoOverPiFromBelow)
{
    double previous_gap = 1.0;
    for (int N : {4, 16, 64, 256}) {
        set_up_slab(N, 1.0);
        numerics::campo_inicial();
        for (int i = 1; i <= N; ++i) state.T(i) = state.T0(i);
        double mean = 0.0;
        numerics::media_numerica(mean);
        const double gap = 2.0 / std::numbers::pi - mean;
        EXPECT_GT(gap, 0.0) << "N = " << N;
        EXPECT_LT(gap, previous_gap) << "N = " << N;
        previous_gap = gap;
    }
    EXPECT_LT(previous_gap, 1e-4);
}

TEST_F(AnalyticAndMeans, AnalyticMeanAtTimeZeroIsTwoOverPi)
{
    set_up_slab(3, 7.0);
    state.alpha = 123.0;
    state.t = 0.0;
    double mean = 0.0;
    numerics::media_analitica(mean);
    EXPECT_EQ(mean, 2.0 / std::acos(-1.0));
}

TEST_F(AnalyticAndMeans, AnalyticFieldDecaysLikeItsMean)
{
    // alpha*t/L^2 = 1: decay factor exp(-pi^2) = 5.172318620381234e-05.
    set_up_slab(2, 1.0);
    state.alpha = 1.0;
    state.t = 1.0;
    numerics::campo_analitico();
    double mean = 0.0;
    numerics::media_analitica(mean);
    EXPECT_NEAR(mean, 3.292800302719704e-05, 1e-19);
    EXPECT_NEAR(state.Tan(1), 3.6573815709290184e-05, 1e-19);
    EXPECT_EQ(state.Tan(1), std::sin(0.25 * std::acos(-1.0)) * std::exp(-std::pow(std::acos(-1.0), 2.0)));
}

TEST_F(AnalyticAndMeans, UnderflowingDecayGivesZero)
{
    set_up_slab(2, 1.0);
    state.alpha = 1.0;
    state.t = 1000.0;  // exp(-9870)
    double mean = 1.0;
    numerics::media_analitica(mean);
    EXPECT_EQ(mean, 0.0);
}

}  // namespace
