// Finite-volume coefficients of the theta scheme. The heat balance of each
// volume, divided by alpha and multiplied by dt, has the conductance weight 1
// between neighbouring nodes and 2 between an end node and its boundary
// (half distance). Every formula keeps its written order of operations: the
// report prints 16 digits, and another order shows in the last one.

#include <utility>

#include "driver/state/simulation_state.h"
#include "numerics/escalares.h"
#include "numerics/numerics.h"

namespace numerics {

namespace {

// g: the implicit conductance, (dt*theta)/dx, formed afresh at each use.
template <class R>
R conductancia_implicita(const Escalares<R>& s)
{
    return (s.dt * s.theta) / s.dx;
}

// d: the storage weight, dx/alpha, formed afresh at each use.
template <class R>
R capacidade(const Escalares<R>& s)
{
    return s.dx / s.alpha;
}

// Explicit weight of a volume's own previous temperature, with `conductances`
// 3 at the end volumes and 2 inside.
template <class R>
R peso_proprio_anterior(const Escalares<R>& s, double conductances)
{
    return ((((s.theta - 1.0) * s.dt) * conductances) / s.dx) + capacidade(s);
}

// Explicit weight of the neighbours' previous temperatures.
template <class R>
R peso_vizinhos_anterior(const Escalares<R>& s)
{
    return ((1.0 - s.theta) * s.dt) / s.dx;
}

}  // namespace

template <class R>
void coef_matriz()
{
    driver::SimulationState& estado = driver::state;
    const std::int32_t N = estado.N;
    const Escalares<R> s = escalares<R>(estado);
    auto&& aw = process::reals<R>(estado.aw);
    auto&& ap = process::reals<R>(estado.ap);
    auto&& ae = process::reals<R>(estado.ae);

    aw(1) = 0.0;
    ae(1) = conductancia_implicita(s);
    ap(1) = (ae(1) * 3.0) + capacidade(s);

    for (std::int32_t i = 2; i <= N - 1; ++i) {
        aw(i) = conductancia_implicita(s);
        ae(i) = conductancia_implicita(s);
        ap(i) = (ae(i) + aw(i)) + capacidade(s);
    }

    aw(N) = conductancia_implicita(s);
    ae(N) = 0.0;
    ap(N) = (aw(N) * 3.0) + capacidade(s);
}

template <class R>
void coef_fonte()
{
    driver::SimulationState& estado = driver::state;
    const std::int32_t N = estado.N;
    const Escalares<R> s = escalares<R>(estado);
    auto&& T0 = process::reals<R>(std::as_const(estado.T0));
    auto&& bp = process::reals<R>(estado.bp);

    R ap0 = peso_proprio_anterior(s, 3.0);
    R anb0 = peso_vizinhos_anterior(s);
    bp(1) = (((s.dt * s.Ta) * 2.0) / s.dx) + ((T0(2) * anb0) + (T0(1) * ap0));

    ap0 = peso_proprio_anterior(s, 2.0);
    anb0 = peso_vizinhos_anterior(s);
    for (std::int32_t i = 2; i <= N - 1; ++i) bp(i) = ((T0(i + 1) + T0(i - 1)) * anb0) + (T0(i) * ap0);

    ap0 = peso_proprio_anterior(s, 3.0);
    anb0 = peso_vizinhos_anterior(s);
    bp(N) = (((s.Tb * s.dt) * 2.0) / s.dx) + ((T0(N - 1) * anb0) + (T0(N) * ap0));
}

template void coef_matriz<double>();
template void coef_matriz<process::CheckedReal>();
template void coef_fonte<double>();
template void coef_fonte<process::CheckedReal>();

}  // namespace numerics
