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

// Called with the number of a time level once the state holds it: level 0
// after the initial field and its means, level k at the end of step k (T and
// T0 the new field, t the accumulated time, Tm(k) and Tman(k) set).
using ObservadorDeNivel = void (*)(std::int32_t nivel);

// The computation of a run, on the problem data already in the state: the
// field arrays allocated, dx and dt, the coefficients, the initial field and
// its means, the time loop (sources, solve and means of every level) and the
// analytic field at the final time. The observer, when given, sees every
// level and changes nothing of the computation.
void simular(ObservadorDeNivel observador = nullptr);

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
std::vector<Aviso> avisos_de_estabilidade(const SimulationState& s);

// Values outside their meaningful range, boundary temperatures other than 0
// and the sizes of the output and memory.
std::vector<Aviso> avisos_dos_valores(const SimulationState& s);

// Every warning about the input, each on its own line of standard error, as
// a run shows them on a terminal before computing.
void avisar_no_terminal();

// The sizes of the three output files and of the field arrays.
std::string tamanhos_da_execucao(const SimulationState& s);

// Bytes of memory as the checks show them, in MB with one decimal, so that
// the figure needed and the figure available can be told apart.
std::string texto_de_memoria(std::uint64_t bytes);

// The run-time error that the run would stop with before its time loop, with
// the cause in the input, or an empty text when it would get past them. The
// run's first blocks are computed for it on the state, every operation checked.
std::string parada_prevista(const SimulationState& s);

// The run's outcome may depend on the time loop itself (an unstable or
// meaningless scheme whose values may grow until they overflow).
bool calculo_pode_divergir(const SimulationState& s);

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

// ---- command-line options ----

// The options of the command line: --help, --version, --exemplo,
// --verificar; anything else is refused. Returns the exit status.
int opcoes(std::span<char* const> argumentos);

// An option that stands beside the run, given by a layer above the driver
// (the studies): its name, its lines in --help (after the driver's own
// options) and what it does, returning the exit status.
struct OpcaoAcrescentada {
    const char* nome;
    const char* ajuda;
    int (*executar)();
};
// Adds options to those of `opcoes`; the span must outlive the program.
void acrescentar_opcoes(std::span<const OpcaoAcrescentada> acrescentadas);

// The files that --exemplo writes: the commented input and the plot scripts.
struct ArquivoDeExemplo {
    const char* nome;
    std::string_view conteudo;
};
std::span<const ArquivoDeExemplo> arquivos_de_exemplo();

}  // namespace driver
