#pragma once
// The numerical core: the finite-volume coefficients of the theta scheme, the
// tridiagonal solver, the analytic solution and the mean temperatures.
//
// For every volume i the system of a time step is
//     ap(i)*T(i) = aw(i)*T(i-1) + ae(i)*T(i+1) + bp(i),   aw(1) = ae(N) = 0.
// The operations without arguments work on driver::state. Each is written
// once over its real type R: double, or process::CheckedReal for the checked
// run of a block (process/fp_blocks.h), defined for both.

#include <cstdint>

#include "driver/state/field_array.h"
#include "process/fp_blocks.h"

namespace numerics {

using driver::VolumeArray;

// aw, ap, ae from dx, dt, theta and alpha; once, before the time loop.
template <class R = double>
void coef_matriz();
// bp from the previous level T0 and the boundary temperatures; every step.
template <class R = double>
void coef_fonte();

// Solves the tridiagonal system into T (every element overwritten, its
// previous content never read); the other arguments are left unchanged.
template <class R = double>
void tdma(std::int32_t N, const VolumeArray& ap, const VolumeArray& aw, const VolumeArray& ae, const VolumeArray& bp,
          VolumeArray& T);

// pi as the program forms it, the arc cosine of -1: for the state's pi, and
// afresh in each operation of the analytic solution that needs it.
double valor_de_pi();

// T0 = sin(pi*x/L), the initial profile at the volume centres.
template <class R = double>
void campo_inicial();
// Trapezoidal mean of T with Ta and Tb at the ends, over the length L.
template <class R = double>
void media_numerica(double& Tmean);
// (2/pi)*exp(-pi^2*alpha*t/L^2) at the current time t.
template <class R = double>
void media_analitica(double& Tmean);
// Tan = sin(pi*x/L)*exp(-pi^2*alpha*t/L^2) at the current time t.
template <class R = double>
void campo_analitico();

}  // namespace numerics
