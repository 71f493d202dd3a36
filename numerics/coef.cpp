// Finite-volume coefficients of the theta scheme. The heat balance of each
// volume, divided by alpha and multiplied by dt, has the conductance weight 1
// between neighbouring nodes and 2 between an end node and its boundary
// (half distance). Every formula keeps its written order of operations: the
// report prints 16 digits, and another order shows in the last one.

#include "driver/state/simulation_state.h"
#include "numerics/numerics.h"

namespace numerics {

namespace {

// g: the implicit conductance, (dt*theta)/dx, formed afresh at each use.
double conductancia_implicita(const driver::SimulationState& s) { return (s.dt * s.theta) / s.dx; }

// d: the storage weight, dx/alpha, formed afresh at each use.
double capacidade(const driver::SimulationState& s) { return s.dx / s.alpha; }

// Explicit weight of a volume's own previous temperature, with `conductances`
// 3 at the end volumes and 2 inside.
double peso_proprio_anterior(const driver::SimulationState& s, double conductances)
{
    return ((((s.theta - 1.0) * s.dt) * conductances) / s.dx) + capacidade(s);
}

// Explicit weight of the neighbours' previous temperatures.
double peso_vizinhos_anterior(const driver::SimulationState& s) { return ((1.0 - s.theta) * s.dt) / s.dx; }

}  // namespace

void coef_matriz()
{
    driver::SimulationState& s = driver::state;
    const std::int32_t N = s.N;

    s.aw(1) = 0.0;
    s.ae(1) = conductancia_implicita(s);
    s.ap(1) = (s.ae(1) * 3.0) + capacidade(s);

    for (std::int32_t i = 2; i <= N - 1; ++i) {
        s.aw(i) = conductancia_implicita(s);
        s.ae(i) = conductancia_implicita(s);
        s.ap(i) = (s.ae(i) + s.aw(i)) + capacidade(s);
    }

    s.aw(N) = conductancia_implicita(s);
    s.ae(N) = 0.0;
    s.ap(N) = (s.aw(N) * 3.0) + capacidade(s);
}

void coef_fonte()
{
    driver::SimulationState& s = driver::state;
    const std::int32_t N = s.N;
    const VolumeArray& T0 = s.T0;
    VolumeArray& bp = s.bp;

    double ap0 = peso_proprio_anterior(s, 3.0);
    double anb0 = peso_vizinhos_anterior(s);
    bp(1) = (((s.dt * s.Ta) * 2.0) / s.dx) + ((T0(2) * anb0) + (T0(1) * ap0));

    ap0 = peso_proprio_anterior(s, 2.0);
    anb0 = peso_vizinhos_anterior(s);
    for (std::int32_t i = 2; i <= N - 1; ++i) bp(i) = ((T0(i + 1) + T0(i - 1)) * anb0) + (T0(i) * ap0);

    ap0 = peso_proprio_anterior(s, 3.0);
    anb0 = peso_vizinhos_anterior(s);
    bp(N) = (((s.Tb * s.dt) * 2.0) / s.dx) + ((T0(N - 1) * anb0) + (T0(N) * ap0));
}

}  // namespace numerics
