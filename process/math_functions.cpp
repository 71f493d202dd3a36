// Built with -fno-builtin: pow(a, 2.0) stays the library's power function and
// is never turned into a product. For the same reason the checks below use
// plain comparisons, not fabs or trunc, which would become library calls.

#include "process/math_functions.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "platform/system.h"
#include "process/fp_environment.h"
#include "process/runtime_error.h"

namespace process {

namespace {

constexpr double two_to_52 = 4503599627370496.0;
// Exponents this large in magnitude leave the quick overflow bound to the
// slow path (their product with the binary exponent could itself overflow).
constexpr double quick_exponent_limit = 1048576.0;

// Below this magnitude a square stays far from overflow.
constexpr double square_safe_limit = 1e154;

// While it lives, the runtime's functions compute at their best accuracy;
// the run's own precision is restored when it ends.
class LibraryPrecision {
public:
    LibraryPrecision() : saved_(platform::fp_library_precision_widen()) {}
    ~LibraryPrecision() { platform::fp_library_precision_restore(saved_); }
    LibraryPrecision(const LibraryPrecision&) = delete;
    LibraryPrecision& operator=(const LibraryPrecision&) = delete;

private:
    unsigned saved_;
};

double library_sin(double x)
{
    LibraryPrecision wide;
    return std::sin(x);
}

double library_exp(double x)
{
    LibraryPrecision wide;
    return std::exp(x);
}

double library_acos(double x)
{
    LibraryPrecision wide;
    return std::acos(x);
}

double library_pow(double a, double b)
{
    LibraryPrecision wide;
    return std::pow(a, b);
}

double magnitude(double x) { return x < 0.0 ? -x : x; }

bool is_integer(double x)
{
    // Every double of magnitude 2^52 or more is an integer.
    if (!(magnitude(x) < two_to_52)) return true;
    return static_cast<double>(static_cast<std::int64_t>(x)) == x;
}

// Near the overflow bound, or with a subnormal base or a huge exponent: ask
// the library under held traps whether the result overflows.
double power_checked_by_library(double a, double b)
{
    double result;
    bool overflowed;
    {
        FpTrapsHeld held;
        result = library_pow(a, b);
        overflowed = held.flagged(platform::FpTrap::overflow);
    }
    if (overflowed) math_function_error(MathError::overflow, "**");
    return result;
}

}  // namespace

double sine(double x)
{
    if (x > sine_largest_argument || x < -sine_largest_argument) math_function_error(MathError::total_loss, "sin");
    return library_sin(x);
}

double exponential(double x)
{
    if (x > exponential_largest_argument) math_function_error(MathError::overflow, "exp");
    return library_exp(x);
}

double arc_cosine(double x)
{
    if (x < -1.0 || x > 1.0) math_function_error(MathError::domain, "acos");
    return library_acos(x);
}

double power(double a, double b)
{
    // The squares of the formulas first: two compares.
    if (b == 2.0 && magnitude(a) < square_safe_limit) return library_pow(a, b);
    if (a < 0.0 && !is_integer(b)) math_function_error(MathError::domain, "**");
    if (a == 0.0) {
        if (b < 0.0) math_function_error(MathError::singularity, "**");
        return library_pow(a, b);
    }
    // |a| lies in [2^e, 2^(e+1)) for a normal a; |a|^b stays below 2^1023
    // when b*e and b*(e+1) both do.
    const int biased = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF);
    if (biased != 0 && biased != 0x7FF && magnitude(b) < quick_exponent_limit) {
        const double e = static_cast<double>(biased - 1023);
        if (b * e < 1023.0 && b * (e + 1.0) < 1023.0) return library_pow(a, b);
    }
    return power_checked_by_library(a, b);
}

}  // namespace process
