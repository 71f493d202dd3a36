// The main program: one run, in its fixed order.

#include <algorithm>
#include <string>
#include <string_view>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "process/fp_blocks.h"
#include "process/math_functions.h"
#include "process/platform/system.h"
#include "process/platform/terminal.h"
#include "process/progress.h"
#include "process/runtime_error.h"
#include "process/startup.h"
#include "results/results.h"

namespace driver {

namespace {

// The end volumes need an interior neighbour (N >= 2) and the mean history
// needs its level 0 (nt >= 0). N = 0 and nt = 0 are let through: they stop
// at the division by zero of dx or dt, as a zero step size always has.
void verificar_dimensoes()
{
    const SimulationState& s = state;
    if (s.N == 1 || s.N < 0 || s.nt < 0)
        process::raise_runtime_error(process::errors::invalid_array_bounds, process::StatementKind::none);
}

// The driver's own copy of the initial profile into T, formed exactly as
// campo_inicial forms T0: (x*pi)/L with x = (i - 0.5)*dx.
template <class R>
void perfil_inicial_em_T()
{
    SimulationState& s = state;
    auto&& T = process::reals<R>(s.T);
    const R pi = s.pi, dx = s.dx, L = s.L;
    for (std::int32_t i = 1; i <= s.N; ++i) {
        const R x = (static_cast<double>(i) - 0.5) * dx;
        T(i) = process::sine((x * pi) / L);
    }
}

void copiar_T_em_T0()
{
    SimulationState& s = state;
    std::copy_n(s.T.data(), s.T.size(), s.T0.data());
}

// After a run-time error, on a terminal: its cause in the input, when one is
// known, and which results the folder now holds.
void explicar_erro_da_execucao(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo)
{
    explicar_erro(erro, tipo, arquivo);
    platform::standard_error_write_text("difusao1d: " + results::resultados_da_pasta() + "\n");
}

}  // namespace

void avisar_no_terminal()
{
    std::vector<Aviso> avisos = avisos_de_descricao(bytes_de_dados());
    for (Aviso& aviso : avisos_dos_valores(state)) avisos.push_back(std::move(aviso));
    for (Aviso& aviso : avisos_de_estabilidade(state)) avisos.push_back(std::move(aviso));
    for (const Aviso& aviso : avisos) platform::standard_error_write_text("difusao1d: aviso: " + aviso + "\n");
}

template <class R>
void grandezas_derivadas()
{
    SimulationState& s = state;
    s.dx = static_cast<double>(R(s.L) / s.N);
    s.dt = static_cast<double>(R(s.tf) / s.nt);
    s.t = 0.0;
}

template void grandezas_derivadas<double>();
template void grandezas_derivadas<process::CheckedReal>();

// Each block below is one test of the flags where the processor cannot trap
// (process/fp_blocks.h); where it traps they are the plain computation.
void simular(ObservadorDeNivel observador)
{
    SimulationState& s = state;

    verificar_dimensoes();
    allocate_field_arrays();
    process::fp_block([](auto real) { grandezas_derivadas<decltype(real)>(); });

    process::fp_block([](auto real) { numerics::coef_matriz<decltype(real)>(); });
    process::fp_block([&](auto real) {
        using R = decltype(real);
        numerics::campo_inicial<R>();
        perfil_inicial_em_T<R>();
        numerics::media_numerica<R>(s.Tm(0));
        numerics::media_analitica<R>(s.Tman(0));
    });
    if (observador != nullptr) observador(0);

    for (s.k = 1; s.k <= s.nt; ++s.k) {
        process::progress_step(s.k);
        // T0 is read, not written, until the step is over: the step can be
        // computed again from the same previous level and time.
        const double t_anterior = s.t;
        process::fp_block([&](auto real) {
            using R = decltype(real);
            s.t = static_cast<double>(R(t_anterior) + s.dt);
            numerics::coef_fonte<R>();
            numerics::tdma<R>(s.N, s.ap, s.aw, s.ae, s.bp, s.T);
            numerics::media_numerica<R>(s.Tm(s.k));
            numerics::media_analitica<R>(s.Tman(s.k));
        });
        copiar_T_em_T0();
        if (observador != nullptr) observador(s.k);
    }

    process::fp_block([](auto real) { numerics::campo_analitico<decltype(real)>(); });
}

void principal()
{
    state.pi = process::arc_cosine(-1.0);
    instalar_dicas();
    process::set_runtime_error_explainer(&explicar_erro_da_execucao);
    results::reservar_resultados();
    dados();
    if (platform::standard_error_is_terminal()) avisar_no_terminal();
    process::progress_start("difusao1d: passo ", " de ", state.nt);
    simular();
    process::progress_phase("difusao1d: gravando saida.txt, temp.dat e temp_med.dat");
    results::resultados();  // the progress line is erased before the viewers start
    process::progress_end();
}

void programa()
{
    const std::span<char* const> argumentos = process::command_arguments();
    if (!argumentos.empty()) {
        const int status = opcoes(argumentos);
        // Help or a check that never reached its reader is no success.
        if (status == 0 && platform::standard_output_failed()) {
            platform::standard_error_write_text("difusao1d: não foi possível escrever na saída padrão\n");
            process::finish(1);
        }
        process::finish(status);
    }
    principal();
}

}  // namespace driver
