// The exact solution for the initial field sin(pi*x/L) with both ends at 0 C,
//     T(x,t) = sin(pi*x/L) * exp(-pi^2*alpha*t/L^2),
// and the mean temperatures of the slab, numerical and analytic. pi is the
// arc cosine of -1 in each operation; a^2 is the power function.

#include "driver/state/simulation_state.h"
#include "numerics/numerics.h"
#include "process/math_functions.h"

namespace numerics {

namespace {

using process::arc_cosine;
using process::exponential;
using process::power;
using process::sine;

// exp(-((((pi^2)*t)*alpha) / (L^2))), the decay of the sine profile at time t.
double decaimento(const driver::SimulationState& s, double pi)
{
    return exponential(-(((power(pi, 2.0) * s.t) * s.alpha) / power(s.L, 2.0)));
}

}  // namespace

void campo_inicial()
{
    driver::SimulationState& s = driver::state;
    const double pi = arc_cosine(-1.0);
    for (std::int32_t i = 1; i <= s.N; ++i) {
        const double x = (static_cast<double>(i) - 0.5) * s.dx;
        s.T0(i) = sine((x * pi) / s.L);
    }
}

void media_numerica(double& Tmean)
{
    const driver::SimulationState& s = driver::state;
    const std::int32_t N = s.N;
    const VolumeArray& T = s.T;
    const double dx = s.dx;

    // Trapezoidal rule over 0, x(1), ..., x(N), L. The running sum is rounded
    // to double after every step; it is kept in a register and stored once,
    // which gives the same bits as accumulating in the output argument.
    double sum = ((T(1) + s.Ta) * dx) * 0.25;
    for (std::int32_t i = 2; i <= N; ++i) sum = (((T(i - 1) + T(i)) * dx) * 0.5) + sum;
    sum = (((T(N) + s.Tb) * dx) * 0.25) + sum;
    Tmean = sum / s.L;
}

void media_analitica(double& Tmean)
{
    const driver::SimulationState& s = driver::state;
    const double pi = arc_cosine(-1.0);
    const double e = decaimento(s, pi);
    Tmean = (e * 2.0) / pi;
}

void campo_analitico()
{
    driver::SimulationState& s = driver::state;
    const double pi = arc_cosine(-1.0);
    // The decay is the same operations on the same values for every volume,
    // so one evaluation gives each volume the very bits a fresh one would.
    const double decaimento_em_t = decaimento(s, pi);
    for (std::int32_t i = 1; i <= s.N; ++i) {
        const double x = (static_cast<double>(i) - 0.5) * s.dx;
        s.Tan(i) = sine((x * pi) / s.L) * decaimento_em_t;
    }
}

}  // namespace numerics
