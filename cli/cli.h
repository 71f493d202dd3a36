#pragma once
// The command line: the program around the run. Without arguments the run
// itself (with, on a terminal only, its hints, warnings and progress line);
// with an option, what stands beside a run: the help, the example, the check
// of the input, and the studies that repeat the run's own computation to
// show what one run cannot (the convergence of the scheme, --convergencia,
// and the decay of the profile in time, --evolucao).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/driver.h"
#include "process/runtime_error.h"

namespace cli {

// The program: without arguments one whole run; with any argument an option
// of `opcoes` instead, and no run. Does not return.
void programa();

// The command-line options: --help, --version, --exemplo, --verificar and
// the studies; anything else is refused. Returns the exit status.
int opcoes(std::span<char* const> argumentos);

// A study: its option, its lines in --help (after the other options) and
// what it does, returning the exit status.
struct OpcaoDeEstudo {
    const char* nome;
    const char* ajuda;
    int (*executar)();
};
std::span<const OpcaoDeEstudo> opcoes_dos_estudos();

// The case of "dados.txt" at four levels of refinement (N*2^k volumes,
// nt*2^k steps for theta = 1/2, nt*4^k otherwise): the errors at the final
// time and their observed orders in "convergencia.txt" and
// "convergencia.dat", plotted by "convergencia.gnu". Returns the exit status.
int convergencia();

// The case of "dados.txt" with the numerical and analytic profiles at six
// instants in "evolucao.dat", plotted by "evolucao.gnu". Returns the exit
// status.
int evolucao();

// The files that --exemplo writes: the commented input and the plot scripts.
struct ArquivoDeExemplo {
    const char* nome;
    std::string_view conteudo;
};
std::span<const ArquivoDeExemplo> arquivos_de_exemplo();

// ---- checks of the problem data (--verificar and the hints of a run) ----

// One warning about the input, in the users' language, on one line.
using Aviso = std::string;

// The bytes of a file as they stand (empty when it cannot be read).
std::string bytes_do_arquivo(const std::string& nome);

// The bytes of "dados.txt" as they stand (empty when it cannot be read).
std::string bytes_de_dados();

// Value lines whose description names another value than the one read
// there (two lines swapped), judged by the name or the words that the
// example's descriptions use; from the bytes of the input file.
std::vector<Aviso> avisos_de_descricao(std::string_view conteudo_do_arquivo);

// "dados.txt" holds nothing but blanks and line ends, or is missing.
bool dados_vazio();

// An explicit part that is unstable: theta < 1/2 and alpha*dt/dx^2 above
// 1/(2(1 - 2 theta)); empty when stable or not computable.
std::vector<Aviso> avisos_de_estabilidade(const driver::SimulationState& s);

// Values outside their meaningful range, boundary temperatures other than 0
// and the sizes of the output and memory.
std::vector<Aviso> avisos_dos_valores(const driver::SimulationState& s);

// Every warning about the input, each on its own line of standard error, as
// a run shows them on a terminal before computing.
void avisar_no_terminal();

// The sizes of the three output files and of the field arrays.
std::string tamanhos_da_execucao(const driver::SimulationState& s);

// Bytes of memory as the checks show them, in MB with one decimal, so that
// the figure needed and the figure available can be told apart.
std::string texto_de_memoria(std::uint64_t bytes);

// The run-time error that the run would stop with before its time loop, with
// the cause in the input, or an empty text when it would get past them. The
// run's first blocks are computed for it on the state, every operation checked.
std::string parada_prevista(const driver::SimulationState& s);

// The run's outcome may depend on the time loop itself (an unstable or
// meaningless scheme whose values may grow until they overflow).
bool calculo_pode_divergir(const driver::SimulationState& s);

// After a run-time error, on a terminal: one line with its probable cause
// (written to standard error): what in the input made the computation fail,
// or for the other errors explicar_falha.
void explicar_erro(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo);

// The cause of an error that is not the computation's: an empty dados.txt,
// a file that cannot be written, too little memory for the arrays.
void explicar_falha(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo);

// On a terminal, from the input step on: the probable cause after a
// run-time error, and the lines about the editor and the viewers (which one
// could not start and how to mend it; the fallback editor and how to leave it).
void instalar_dicas();

}  // namespace cli
