#pragma once
// The simulation driver: the fixed order of one run, the input step, and the
// command-line options that stand beside a run.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/state/simulation_state.h"
#include "process/runtime_error.h"

namespace driver {

// The program: without arguments one whole run (principal); with any
// argument an option of `opcoes` instead, and no run. Does not return when
// an option was given.
void programa();

// The main operation: one whole run, from the input file to the viewers.
void principal();

// The input step: the eight problem-data values of the state, from the input
// file edited by the user.
void dados();

// The input step without the editor: the eight values read from the input
// file as they stand, exactly as dados reads them.
void ler_dados();

// The computation of a run, on the problem data already in the state: the
// field arrays allocated, dx and dt, the coefficients, the initial field and
// its means, the time loop (sources, solve and means of every level) and the
// analytic field at the final time.
void simular();

// Its first block: dx = L/N, dt = tf/nt and t = 0, over the real type R
// (double, or process::CheckedReal to test every operation).
template <class R>
void grandezas_derivadas();

// ---- the values of the input file, as the input step found them ----

inline constexpr int numero_de_valores = 8;

// One value of "dados.txt": its name, unit, the line it stood on and its text
// as read (empty for a null value or one not read yet).
struct ValorLido {
    const char* nome;
    const char* unidade;  // "" for a pure number
    const char* descricao;
    std::int64_t linha = 0;
    std::string texto{};
};

// The eight values in the order of the file: N, nt, tf, theta, alpha, L, Ta, Tb.
std::array<ValorLido, numero_de_valores>& valores_lidos();

// ---- checks of the problem data (--verificar and the hints of a run) ----

// One warning about the input, in the users' language, on one line.
using Aviso = std::string;

// The bytes of "dados.txt" as they stand (empty when it cannot be read).
std::string bytes_de_dados();

// Decimal commas ("0,5" read as 0) in the lines of the values, from the
// bytes of the input file.
std::vector<Aviso> avisos_de_virgula(std::string_view conteudo_do_arquivo);

// An explicit part that is unstable: theta < 1/2 and alpha*dt/dx^2 above
// 1/(2(1 - 2 theta)); empty when stable or not computable.
std::vector<Aviso> avisos_de_estabilidade(const SimulationState& s);

// Values outside their meaningful range, boundary temperatures other than 0
// and the sizes of the output and memory.
std::vector<Aviso> avisos_dos_valores(const SimulationState& s);

// The sizes of the three output files and of the field arrays.
std::string tamanhos_da_execucao(const SimulationState& s);

// The run-time error that the run would stop with before its time loop, with
// the cause in the input, or an empty text when it would get past them. The
// run's first blocks are computed for it on the state, every operation checked.
std::string parada_prevista(const SimulationState& s);

// The run's outcome may depend on the time loop itself (an unstable or
// meaningless scheme whose values may grow until they overflow).
bool calculo_pode_divergir(const SimulationState& s);

// After a run-time error of the computation, on a terminal: one line with
// what in the input caused it (written to standard error).
void explicar_erro(int numero, process::StatementKind tipo);

// ---- command-line options ----

// The options of the command line: --help, --version, --exemplo,
// --verificar; anything else is refused. Returns the exit status.
int opcoes(std::span<char* const> argumentos);

// The files that --exemplo writes: the commented input and the plot scripts.
struct ArquivoDeExemplo {
    const char* nome;
    std::string_view conteudo;
};
std::span<const ArquivoDeExemplo> arquivos_de_exemplo();

}  // namespace driver
