// Tridiagonal matrix algorithm in its recurrence form T(i) = P(i)*T(i+1) + Q(i):
// a forward sweep for P and Q, then the backward substitution. No pivoting:
// with the coefficients of the theta scheme every pivot is positive, and a
// zero pivot traps as a division by zero.

#include "numerics/numerics.h"

namespace numerics {

namespace {

template <class R>
void varreduras(std::int32_t N, const auto& ap, const auto& aw, const auto& ae, const auto& bp, auto&& T, auto&& P,
                auto&& Q)
{
    // The sweeps carry P(i-1), Q(i-1) and T(i+1) in registers as well as in
    // the arrays: the recurrences are latency-bound, and reading back a value
    // just stored would lengthen every step of the chain.
    P(1) = ae(1) / ap(1);
    Q(1) = bp(1) / ap(1);
    R P_previous = P(1);
    R Q_previous = Q(1);
    for (std::int32_t i = 2; i <= N; ++i) {
        const R den = ap(i) - (P_previous * aw(i));
        P(i) = P_previous = ae(i) / den;
        Q(i) = Q_previous = ((Q_previous * aw(i)) + bp(i)) / den;
    }

    T(N) = Q(N);
    R T_next = T(N);
    for (std::int32_t i = N - 1; i >= 1; --i) T(i) = T_next = (P(i) * T_next) + Q(i);
}

}  // namespace

template <class R>
void tdma(std::int32_t N, const VolumeArray& ap, const VolumeArray& aw, const VolumeArray& ae, const VolumeArray& bp,
          VolumeArray& T)
{
    VolumeArray P;
    VolumeArray Q;
    driver::allocate(P, N);
    driver::allocate(Q, N);
    using process::reals;
    varreduras<R>(N, reals<R>(ap), reals<R>(aw), reals<R>(ae), reals<R>(bp), reals<R>(T), reals<R>(P), reals<R>(Q));
    driver::release(P);
    driver::release(Q);
}

template void tdma<double>(std::int32_t, const VolumeArray&, const VolumeArray&, const VolumeArray&, const VolumeArray&,
                           VolumeArray&);
template void tdma<process::CheckedReal>(std::int32_t, const VolumeArray&, const VolumeArray&, const VolumeArray&,
                                         const VolumeArray&, VolumeArray&);

}  // namespace numerics
