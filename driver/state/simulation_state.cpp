#include "driver/state/simulation_state.h"

#include <initializer_list>

#include "process/memory.h"

namespace driver {

SimulationState state;

namespace {

// Every array of a run, in the order it is obtained: over the volumes
// (1..N) or over the time levels (0..nt); the solver's work arrays have no
// place in the state.
struct RunArray {
    VolumeArray SimulationState::*volumes;
    LevelArray SimulationState::*levels;
};

constexpr RunArray run_arrays[] = {
    {&SimulationState::ae, nullptr},
    {&SimulationState::ap, nullptr},
    {&SimulationState::bp, nullptr},
    {&SimulationState::T, nullptr},
    {&SimulationState::T0, nullptr},
    {&SimulationState::Tan, nullptr},
    {nullptr, &SimulationState::Tm},
    {nullptr, &SimulationState::Tman},
    {&SimulationState::aw, nullptr},
    {nullptr, nullptr},  // P of the solver, over the volumes
    {nullptr, nullptr},  // Q of the solver
};

bool over_levels(const RunArray& array) { return array.levels != nullptr; }

}  // namespace

void allocate_field_arrays()
{
    SimulationState& s = state;
    for (const RunArray& array : run_arrays) {
        if (array.volumes != nullptr) allocate(s.*array.volumes, s.N);
        if (array.levels != nullptr) allocate(s.*array.levels, s.nt);
    }
}

std::uint64_t run_memory_bytes(std::int32_t N, std::int32_t nt)
{
    std::uint64_t bytes = 0;
    for (const RunArray& array : run_arrays) {
        const std::uint64_t count =
            over_levels(array) ? element_count(LevelArray::lower(), nt) : element_count(VolumeArray::lower(), N);
        bytes += process::bytes_held_for_doubles(count);
    }
    return bytes;
}

void release_field_arrays()
{
    SimulationState& s = state;
    for (const RunArray& array : run_arrays) {
        if (array.volumes != nullptr && (s.*array.volumes).allocated()) release(s.*array.volumes);
        if (array.levels != nullptr && (s.*array.levels).allocated()) release(s.*array.levels);
    }
}

void reset_simulation_state()
{
    release_field_arrays();
    state = SimulationState();
}

}  // namespace driver
