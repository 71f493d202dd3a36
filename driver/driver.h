#pragma once
// The simulation driver: the fixed order of one run and its input step.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/state/simulation_state.h"
#include "textio/listread/list_read.h"

namespace driver {

// Called with the number of a time level once the state holds it: level 0
// after the initial field and its means, level k at the end of step k (T and
// T0 the new field, t the accumulated time, Tm(k) and Tman(k) set).
using ObservadorDeNivel = void (*)(std::int32_t nivel);

// What a run shows beside its computation when the command line asks for it
// (on a terminal: the causes of its errors, warnings about the input, a
// progress line). Each routine, when given, runs at its moment and changes
// nothing of the computation or of the files; without any, the run is the
// program's run exactly as it has always been.
struct Acompanhamento {
    void (*antes_de_tudo)() = nullptr;            // before anything can fail
    void (*dados_lidos)() = nullptr;              // the values read, nothing computed
    ObservadorDeNivel nivel_calculado = nullptr;  // every time level
    void (*gravando_resultados)() = nullptr;      // the time loop over
    void (*execucao_terminada)() = nullptr;       // after the results and the viewers
};

// The main operation: one whole run, from the input file to the viewers.
void principal(const Acompanhamento& acompanhamento = {});

// The input step: the eight problem-data values of the state, from the input
// file edited by the user.
void dados();

// The input step without the editor: the eight values read from the input
// file as they stand, exactly as dados reads them.
void ler_dados();

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

// The input file, in the current folder.
inline constexpr char arquivo_de_dados[] = "dados.txt";

inline constexpr int numero_de_valores = 8;

// One value of "dados.txt": its name, unit, where the state keeps it (N and
// nt are integers, the others reals), the line it stood on and its text as
// read (empty for a null value or one not read yet).
struct ValorLido {
    const char* nome;
    const char* unidade;  // "" for a pure number
    const char* descricao;
    std::int32_t SimulationState::*inteiro = nullptr;
    double SimulationState::*real = nullptr;
    std::int64_t linha = 0;
    std::string texto{};
};

// The eight values in the order of the file: N, nt, tf, theta, alpha, L, Ta, Tb.
std::array<ValorLido, numero_de_valores>& valores_lidos();

// The value that the state keeps in `membro`.
const ValorLido& valor_lido(std::int32_t SimulationState::*membro);
const ValorLido& valor_lido(double SimulationState::*membro);

// The message of reading error `error` of a value of "dados.txt" that names
// the line, the value and the text found and says what was expected; a
// byte-order mark or UTF-16 text at the start of the file is named as such.
std::string mensagem_do_erro_de_leitura(process::RuntimeError error, const textio::ReadErrorPlace& place);

// The message of a value written with a decimal comma or a thousands
// separator ("0,5", "1,000"): the line, the value, the text, and the text to
// write instead.
std::string mensagem_da_virgula_decimal(const textio::ReadErrorPlace& place);

}  // namespace driver
