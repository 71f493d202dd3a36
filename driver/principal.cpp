// The main program: one run, in its fixed order.

#include <algorithm>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "process/fp_blocks.h"
#include "process/math_functions.h"
#include "process/runtime_error.h"
#include "results/results.h"

namespace driver {

namespace {

void verificar_dimensoes()
{
    const SimulationState& s = state;
    if (dimensoes_recusadas(s.N, s.nt))
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
        const R x = posicao_da_celula(i, dx);
        T(i) = process::sine((x * pi) / L);
    }
}

void copiar_T_em_T0()
{
    SimulationState& s = state;
    std::copy_n(s.T.data(), s.T.size(), s.T0.data());
}

}  // namespace

template <class R>
void grandezas_derivadas()
{
    SimulationState& s = state;
    s.dx = static_cast<double>(largura_do_volume(R(s.L), s.N));
    s.dt = static_cast<double>(passo_de_tempo(R(s.tf), s.nt));
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

void principal(const Acompanhamento& acompanhamento)
{
    const auto mostrar = [](void (*rotina)()) {
        if (rotina != nullptr) rotina();
    };
    state.pi = numerics::valor_de_pi();
    mostrar(acompanhamento.antes_de_tudo);
    results::reservar_resultados();
    dados();
    mostrar(acompanhamento.dados_lidos);
    simular(acompanhamento.nivel_calculado);
    mostrar(acompanhamento.gravando_resultados);
    results::resultados();
    mostrar(acompanhamento.execucao_terminada);
}

}  // namespace driver
