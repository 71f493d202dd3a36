#pragma once
// The scalars of the state as a block of the computation reads them, in its
// real type R (double, or process::CheckedReal in a checked run), so that
// every operation of a formula on them is one of R.

#include "driver/state/simulation_state.h"

namespace numerics {

template <class R>
struct Escalares {
    R dx, dt, t, theta, alpha, L, Ta, Tb;
};

template <class R>
Escalares<R> escalares(const driver::SimulationState& s)
{
    return {s.dx, s.dt, s.t, s.theta, s.alpha, s.L, s.Ta, s.Tb};
}

}  // namespace numerics
