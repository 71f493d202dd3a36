#pragma once
// The one process-wide record of the run: problem data, derived quantities
// and field arrays. Every step of the run reads and writes it directly.

#include <cstdint>
#include <limits>

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

// ---- the sizes of a problem ----

// The fewest volumes and steps of a meaningful problem: each end volume needs
// an interior neighbour, and the mean history a level after level 0.
inline constexpr std::int32_t menor_N = 2;
inline constexpr std::int32_t menor_nt = 1;
// The most of either: the run counts volumes and steps in 32-bit integers.
inline constexpr std::int32_t maior_dimensao = std::numeric_limits<std::int32_t>::max();

constexpr bool dimensoes_validas(std::int32_t N, std::int32_t nt) { return N >= menor_N && nt >= menor_nt; }

// The sizes whose arrays the run refuses before computing (the error of
// invalid array bounds): a size below its least, other than 0. N = 0 and
// nt = 0 are let through: they stop at the division by zero of dx or dt, as
// a zero step size always has.
constexpr bool dimensoes_recusadas(std::int32_t N, std::int32_t nt)
{
    return (N < menor_N && N != 0) || (nt < menor_nt && nt != 0);
}

// ---- the grid ----

// The width of the volumes, dx = L/N, and the step, dt = tf/nt, in the real
// type of the block that forms them.
template <class R>
R largura_do_volume(R L, std::int32_t N)
{
    return L / N;
}
template <class R>
R passo_de_tempo(R tf, std::int32_t nt)
{
    return tf / nt;
}

// The centre of volume i, (i - 0.5)*dx, in the real type of the block that
// forms it: i becomes a double before 0.5 is subtracted.
template <class R>
R posicao_da_celula(std::int32_t i, R dx)
{
    return (static_cast<double>(i) - 0.5) * dx;
}

// The time of level k as the results give it: k*dt, one multiplication, not
// the time accumulated step by step.
inline double tempo_do_nivel(std::int32_t k, double dt) { return static_cast<double>(k) * dt; }

// Releases the field arrays that are allocated, so that a computation of
// other sizes can allocate them again (the levels of a convergence study).
void release_field_arrays();

// Back to the state of process start: arrays released, scalars zero. For
// the tests and benchmarks that run several computations in one process.
void reset_simulation_state();

}  // namespace driver
