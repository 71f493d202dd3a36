#pragma once
// The simulation driver: the fixed order of one run and the input step.

#include "driver/state/simulation_state.h"

namespace driver {

// The main operation: one whole run, from the input file to the viewers.
void principal();

// The input step: the eight problem-data values of the state, from the input
// file edited by the user.
void dados();

// Steps 3 to 12 of the run: allocation, initial field, time loop and the
// analytic field, on the problem data already in the state.
void simular();

}  // namespace driver
