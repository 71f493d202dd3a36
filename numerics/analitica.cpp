// The exact solution for the initial field sin(pi*x/L) with both ends at 0 C,
//     T(x,t) = sin(pi*x/L) * exp(-pi^2*alpha*t/L^2),
// and the mean temperatures of the slab, numerical and analytic. pi is
// formed afresh in each operation; a^2 is the power function.

#include "driver/state/simulation_state.h"
#include "numerics/escalares.h"
#include "numerics/numerics.h"
#include "process/math_functions.h"

namespace numerics {

namespace {

using process::arc_cosine;
using process::exponential;
using process::power;
using process::sine;

// exp(-((((pi^2)*t)*alpha) / (L^2))), the decay of the sine profile at time t.
template <class R>
R decaimento(const Escalares<R>& s, R pi)
{
    return exponential(-(((power(pi, 2.0) * s.t) * s.alpha) / power(s.L, 2.0)));
}

}  // namespace

double valor_de_pi() { return arc_cosine(-1.0); }

template <class R>
void campo_inicial()
{
    driver::SimulationState& estado = driver::state;
    const Escalares<R> s = escalares<R>(estado);
    auto&& T0 = process::reals<R>(estado.T0);
    const R pi = valor_de_pi();
    for (std::int32_t i = 1; i <= estado.N; ++i) {
        const R x = driver::posicao_da_celula(i, s.dx);
        T0(i) = sine((x * pi) / s.L);
    }
}

template <class R>
void media_numerica(double& Tmean)
{
    const driver::SimulationState& estado = driver::state;
    const std::int32_t N = estado.N;
    const Escalares<R> s = escalares<R>(estado);
    auto&& T = process::reals<R>(estado.T);
    const R dx = s.dx;

    // Trapezoidal rule over 0, x(1), ..., x(N), L. The running sum is rounded
    // to double after every step; it is kept in a register and stored once,
    // which gives the same bits as accumulating in the output argument.
    R sum = ((T(1) + s.Ta) * dx) * 0.25;
    for (std::int32_t i = 2; i <= N; ++i) sum = (((T(i - 1) + T(i)) * dx) * 0.5) + sum;
    sum = (((T(N) + s.Tb) * dx) * 0.25) + sum;
    Tmean = static_cast<double>(sum / s.L);
}

template <class R>
void media_analitica(double& Tmean)
{
    const Escalares<R> s = escalares<R>(driver::state);
    const R pi = valor_de_pi();
    const R e = decaimento(s, pi);
    Tmean = static_cast<double>((e * 2.0) / pi);
}

template <class R>
void campo_analitico()
{
    driver::SimulationState& estado = driver::state;
    const Escalares<R> s = escalares<R>(estado);
    auto&& Tan = process::reals<R>(estado.Tan);
    const R pi = valor_de_pi();
    // The decay is the same operations on the same values for every volume,
    // so one evaluation gives each volume the very bits a fresh one would.
    const R decaimento_em_t = decaimento(s, pi);
    for (std::int32_t i = 1; i <= estado.N; ++i) {
        const R x = driver::posicao_da_celula(i, s.dx);
        Tan(i) = sine((x * pi) / s.L) * decaimento_em_t;
    }
}

template void campo_inicial<double>();
template void campo_inicial<process::CheckedReal>();
template void media_numerica<double>(double&);
template void media_numerica<process::CheckedReal>(double&);
template void media_analitica<double>(double&);
template void media_analitica<process::CheckedReal>(double&);
template void campo_analitico<double>();
template void campo_analitico<process::CheckedReal>();

}  // namespace numerics
