#pragma once
// The results step: the report, the two plot-data files and the viewers.

#include <string>

namespace results {

// Takes the folder's results for this run, until the process ends: a second
// run started meanwhile in the same folder stops at once with an error
// report instead of writing over them.
void reservar_resultados();

// Writes "saida.txt", "temp.dat" and "temp_med.dat" from the state, then runs
// the plotting program on both plot scripts and opens the report.
void resultados();

// What the folder holds, for a line after a run that failed: the previous
// run's results and when they were written, or that there are none.
std::string resultados_da_pasta();

}  // namespace results
