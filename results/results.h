#pragma once
// The results step: the report, the two plot-data files and the viewers.

namespace results {

// Writes "saida.txt", "temp.dat" and "temp_med.dat" from the state, then runs
// the plotting program on both plot scripts and opens the report.
void resultados();

}  // namespace results
