#pragma once
// What stands beside the run on the command line: the studies that repeat
// the run's own computation and plot what one run cannot show, the
// convergence of the scheme (--convergencia) and the decay of the profile
// in time (--evolucao).

#include <span>

#include "driver/driver.h"

namespace cli {

// The options of the studies, for driver::acrescentar_opcoes.
std::span<const driver::OpcaoAcrescentada> opcoes_dos_estudos();

// The case of "dados.txt" at four levels of refinement (N*2^k volumes,
// nt*2^k steps for theta = 1/2, nt*4^k otherwise): the errors at the final
// time and their observed orders in "convergencia.txt" and
// "convergencia.dat", plotted by "convergencia.gnu". Returns the exit status.
int convergencia();

// The case of "dados.txt" with the numerical and analytic profiles at six
// instants in "evolucao.dat", plotted by "evolucao.gnu". Returns the exit
// status.
int evolucao();

}  // namespace cli
