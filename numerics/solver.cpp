// Tridiagonal matrix algorithm in its recurrence form T(i) = P(i)*T(i+1) + Q(i):
// a forward sweep for P and Q, then the backward substitution. No pivoting:
// with the coefficients of the theta scheme every pivot is positive, and a
// zero pivot traps as a division by zero.

#include "numerics/numerics.h"

namespace numerics {

void tdma(std::int32_t N, const VolumeArray& ap, const VolumeArray& aw, const VolumeArray& ae,
          const VolumeArray& bp, VolumeArray& T)
{
    VolumeArray P;
    VolumeArray Q;
    driver::allocate(P, N);
    driver::allocate(Q, N);

    P(1) = ae(1) / ap(1);
    Q(1) = bp(1) / ap(1);
    for (std::int32_t i = 2; i <= N; ++i) {
        const double den = ap(i) - (P(i - 1) * aw(i));
        P(i) = ae(i) / den;
        Q(i) = ((Q(i - 1) * aw(i)) + bp(i)) / den;
    }

    T(N) = Q(N);
    for (std::int32_t i = N - 1; i >= 1; --i)
        T(i) = (P(i) * T(i + 1)) + Q(i);

    driver::release(P);
    driver::release(Q);
}

}  // namespace numerics
