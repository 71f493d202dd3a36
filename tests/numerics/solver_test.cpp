// The tridiagonal solver: known solutions, the degenerate sizes, and that it
// neither reads the old content of T nor touches its inputs.

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "numerics/numerics.h"

namespace {

using driver::VolumeArray;

// A 1..N system owned by the test.
struct System {
    explicit System(int n)
        : N(n), storage(5 * static_cast<std::size_t>(n)), ap(storage.data(), n), aw(&storage[n], n),
          ae(&storage[2 * n], n), bp(&storage[3 * n], n), T(&storage[4 * n], n)
    {}
    int N;
    std::vector<double> storage;
    VolumeArray ap, aw, ae, bp, T;
};

TEST(Tdma, ReproducesTheVectorOfASecondDifference)
{
    // ap = 2, aw = ae = 1: bp(i) = 2u(i) - u(i-1) - u(i+1) has the solution u.
    const int N = 50;
    System s(N);
    std::vector<double> u(N + 2, 0.0);
    for (int i = 1; i <= N; ++i) u[i] = std::sin(0.3 * i) + 0.01 * i;
    for (int i = 1; i <= N; ++i) {
        s.ap(i) = 2.0;
        s.aw(i) = i == 1 ? 0.0 : 1.0;
        s.ae(i) = i == N ? 0.0 : 1.0;
        s.bp(i) = 2.0 * u[i] - u[i - 1] - u[i + 1];
        s.T(i) = std::numeric_limits<double>::quiet_NaN();  // never read
    }
    const std::vector<double> inputs(s.storage.begin(), s.storage.begin() + 4 * N);

    numerics::tdma(N, s.ap, s.aw, s.ae, s.bp, s.T);

    for (int i = 1; i <= N; ++i) EXPECT_NEAR(s.T(i), u[i], 1e-11) << "volume " << i;
    EXPECT_EQ(std::memcmp(inputs.data(), s.storage.data(), inputs.size() * sizeof(double)), 0)
        << "the coefficients and sources must be left bit-identical";
}

TEST(Tdma, SmallSystemSolvedByHand)
{
    // 4*T1 = 1*T2 + 2,  5*T2 = 1*T1 + 2*T3 + 3,  3*T3 = 1*T2 + 7:
    // by substitution on paper the solution is T = (1, 2, 3).
    System s(3);
    const double ap[] = {4.0, 5.0, 3.0}, aw[] = {99.0, 1.0, 1.0}, ae[] = {1.0, 2.0, 99.0}, bp[] = {2.0, 3.0, 7.0};
    for (int i = 1; i <= 3; ++i) {
        s.ap(i) = ap[i - 1];
        s.aw(i) = aw[i - 1];
        s.ae(i) = ae[i - 1];
        s.bp(i) = bp[i - 1];
    }
    numerics::tdma(3, s.ap, s.aw, s.ae, s.bp, s.T);
    EXPECT_NEAR(s.T(1), 1.0, 1e-15);
    EXPECT_NEAR(s.T(2), 2.0, 1e-15);
    EXPECT_NEAR(s.T(3), 3.0, 1e-15);
}

TEST(Tdma, OneVolumeIgnoresItsNeighbourCoefficients)
{
    System s(1);
    s.ap(1) = 4.0;
    s.aw(1) = 1e300;
    s.ae(1) = 0.0;
    s.bp(1) = 3.0;
    numerics::tdma(1, s.ap, s.aw, s.ae, s.bp, s.T);
    EXPECT_EQ(s.T(1), 0.75);
}

TEST(Tdma, DecoupledSystemDividesEachSource)
{
    const int N = 7;
    System s(N);
    for (int i = 1; i <= N; ++i) {
        s.ap(i) = 0.1 * i + 1.0;
        s.aw(i) = 0.0;
        s.ae(i) = 0.0;
        s.bp(i) = 1.0 / i;
    }
    numerics::tdma(N, s.ap, s.aw, s.ae, s.bp, s.T);
    for (int i = 1; i <= N; ++i) EXPECT_EQ(s.T(i), s.bp(i) / s.ap(i));
}

}  // namespace
