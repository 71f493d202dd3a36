#include "driver/state/simulation_state.h"

#include <initializer_list>

namespace driver {

SimulationState state;

void allocate_field_arrays()
{
    SimulationState& s = state;
    allocate(s.ae, s.N);
    allocate(s.ap, s.N);
    allocate(s.bp, s.N);
    allocate(s.T, s.N);
    allocate(s.T0, s.N);
    allocate(s.Tan, s.N);
    allocate(s.Tm, s.nt);
    allocate(s.Tman, s.nt);
    allocate(s.aw, s.N);
}

void release_field_arrays()
{
    SimulationState& s = state;
    for (VolumeArray* array : {&s.aw, &s.ap, &s.ae, &s.bp, &s.T, &s.T0, &s.Tan})
        if (array->allocated()) release(*array);
    for (LevelArray* array : {&s.Tm, &s.Tman})
        if (array->allocated()) release(*array);
}

double field_arrays_bytes(double N, double nt) { return 8.0 * (7.0 * N + 2.0 * (nt + 1.0)); }

void reset_simulation_state()
{
    release_field_arrays();
    state = SimulationState();
}

}  // namespace driver
