#pragma once
// One slab case in the run's state: the problem data set on a state reset
// as a new run finds it, with pi as the run computes it; the state reset
// again after the test, so that no test sees another's arrays.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "driver/state/simulation_state.h"

namespace testing_support {

struct SlabCase {
    std::int32_t N = 2;
    std::int32_t nt = 1;
    double tf = 1.0;
    double theta = 1.0;
    double alpha = 1.0;
    double L = 1.0;
    double Ta = 0.0;
    double Tb = 0.0;
};

inline void set_slab_case(const SlabCase& slab)
{
    driver::reset_simulation_state();
    driver::SimulationState& s = driver::state;
    s.pi = std::acos(-1.0);
    s.N = slab.N;
    s.nt = slab.nt;
    s.tf = slab.tf;
    s.theta = slab.theta;
    s.alpha = slab.alpha;
    s.L = slab.L;
    s.Ta = slab.Ta;
    s.Tb = slab.Tb;
}

class SlabCaseTest : public ::testing::Test {
protected:
    void TearDown() override { driver::reset_simulation_state(); }
};

}  // namespace testing_support
