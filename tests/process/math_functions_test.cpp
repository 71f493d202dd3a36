// The mathematical functions: the library's results where they are defined,
// and the reports of domain and range errors made before any trap.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "process/math_functions.h"
#include "process/started_process.h"

namespace {

using testing_support::run_started_program;

// In a child with the traps of a run: the report, not the trap.
std::string error_of(double (*function)(double, double), double a, double b)
{
    static double (*chosen)(double, double);
    static double x, y;
    chosen = function, x = a, y = b;
    const auto outcome = run_started_program([] {
        volatile double result = chosen(x, y);
        (void)result;
    });
    return outcome.status == 0 ? std::string() : outcome.error_output;
}

double exp_of(double x, double) { return process::exponential(x); }
double acos_of(double x, double) { return process::arc_cosine(x); }
double sin_of(double x, double) { return process::sine(x); }
double power_of(double a, double b) { return process::power(a, b); }

TEST(MathFunctions, ResultsAreTheLibrarysOwn)
{
    for (const double x : {-3.5, -1e-300, 0.0, 0.7, 2.0, 1e10}) {
        EXPECT_EQ(process::power(x, 2.0), std::pow(x, 2.0));
        EXPECT_EQ(process::sine(x), std::sin(x));
    }
    EXPECT_EQ(process::power(-2.0, 3.0), -8.0);
    EXPECT_EQ(process::power(0.0, 0.0), 1.0);
    EXPECT_EQ(process::power(2.0, 1023.5), std::pow(2.0, 1023.5));
    EXPECT_EQ(process::exponential(-2.5), std::exp(-2.5));
    EXPECT_EQ(process::arc_cosine(-1.0), std::acos(-1.0));
}

TEST(MathFunctions, TheThresholdsAreTheEdgesOfTheRange)
{
    EXPECT_TRUE(std::isfinite(std::exp(process::exponential_largest_argument)));
    EXPECT_TRUE(std::isinf(std::exp(std::nextafter(process::exponential_largest_argument, 1000.0))));
    // Beyond the sine threshold consecutive doubles are more than 2 apart.
    EXPECT_GE(std::nextafter(process::sine_largest_argument, 1e300) - process::sine_largest_argument, 2.0);
}

TEST(MathFunctions, UnderflowIsNoError)
{
    EXPECT_EQ(error_of(&exp_of, -1000.0, 0.0), "");
    EXPECT_EQ(error_of(&power_of, 10.0, -400.0), "");
    EXPECT_EQ(error_of(&power_of, 1e-200, 2.0), "");
    EXPECT_EQ(error_of(&power_of, DBL_MIN / 8.0, 0.5), "");  // subnormal base
    EXPECT_EQ(error_of(&exp_of, process::exponential_largest_argument, 0.0), "");
    EXPECT_EQ(error_of(&power_of, 2.0, 1023.99), "");
}

TEST(MathFunctions, OverflowIsReportedBeforeTheTrap)
{
    const std::string exp_overflow = "\r\nrun-time error M6203: MATH\r\n- exp: OVERFLOW error\r\n";
    EXPECT_EQ(error_of(&exp_of, 710.0, 0.0), exp_overflow);
    EXPECT_EQ(error_of(&exp_of, std::nextafter(process::exponential_largest_argument, 1000.0), 0.0), exp_overflow);
    const std::string power_overflow = "\r\nrun-time error M6203: MATH\r\n- **: OVERFLOW error\r\n";
    EXPECT_EQ(error_of(&power_of, 1e200, 2.0), power_overflow);
    EXPECT_EQ(error_of(&power_of, 2.0, 1024.0), power_overflow);
    EXPECT_EQ(error_of(&power_of, 0.5, -1e7), power_overflow);
    EXPECT_EQ(error_of(&power_of, 1.0000001, 1e300), power_overflow);
}

TEST(MathFunctions, DomainSingularityAndLossOfSignificance)
{
    EXPECT_EQ(error_of(&power_of, -2.0, 0.5), "\r\nrun-time error M6201: MATH\r\n- **: DOMAIN error\r\n");
    EXPECT_EQ(error_of(&power_of, 0.0, -1.0), "\r\nrun-time error M6202: MATH\r\n- **: SING error\r\n");
    EXPECT_EQ(error_of(&acos_of, 1.0000001, 0.0), "\r\nrun-time error M6201: MATH\r\n- acos: DOMAIN error\r\n");
    EXPECT_EQ(error_of(&sin_of, -1e17, 0.0), "\r\nrun-time error M6205: MATH\r\n- sin: TLOSS error\r\n");
    EXPECT_EQ(error_of(&sin_of, 1e16, 0.0), "");
}

}  // namespace
