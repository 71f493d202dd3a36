#pragma once
// The one process-wide record of the run: problem data, derived quantities
// and field arrays. Every step of the run reads and writes it directly.

#include <cstdint>

#include "driver/state/field_array.h"

namespace driver {

struct SimulationState {
    // Problem data, read from the input file.
    std::int32_t N = 0;   // number of control volumes
    std::int32_t nt = 0;  // number of time steps
    double tf = 0.0;      // total simulated time [s]
    double theta = 0.0;   // time weighting: 0 explicit, 0.5 Crank-Nicolson, 1 implicit
    double alpha = 0.0;   // thermal diffusivity [m2/s]
    double L = 0.0;       // length of the domain [m]
    double Ta = 0.0;      // temperature at x = 0 [C]
    double Tb = 0.0;      // temperature at x = L [C]

    // Derived quantities.
    double pi = 0.0;
    double dx = 0.0;     // L / N, width of every control volume [m]
    double dt = 0.0;     // tf / nt, time-step size [s]
    double t = 0.0;      // current simulated time, accumulated step by step [s]
    std::int32_t k = 0;  // time step being computed, 1..nt

    // Field arrays.
    VolumeArray aw;   // west-neighbour coefficient
    VolumeArray ap;   // central coefficient
    VolumeArray ae;   // east-neighbour coefficient
    VolumeArray bp;   // source term of the current step
    VolumeArray T;    // temperature at the new time level
    VolumeArray T0;   // temperature at the previous time level
    VolumeArray Tan;  // analytic temperature at the final time
    LevelArray Tm;    // numerical mean temperature of each time level
    LevelArray Tman;  // analytic mean temperature of each time level
};

// The instance; its scalars are zero when the process starts.
extern SimulationState state;

// Allocates the nine field arrays, once, in the order ae, ap, bp, T, T0, Tan
// (1..N), Tm, Tman (0..nt), aw (1..N).
void allocate_field_arrays();

// The bytes a run with N volumes and nt steps holds at its peak: the nine
// field arrays and the solver's two work arrays (P, Q: 1..N), as the
// allocator counts them. The same table of arrays drives
// allocate_field_arrays, so the figure and the allocation cannot part.
std::uint64_t run_memory_bytes(std::int32_t N, std::int32_t nt);

// Releases the field arrays that are allocated, so that a computation of
// other sizes can allocate them again (the levels of a convergence study).
void release_field_arrays();

// Back to the state of process start: arrays released, scalars zero. Only
// for test fixtures that run several computations in one process.
void reset_simulation_state();

}  // namespace driver
