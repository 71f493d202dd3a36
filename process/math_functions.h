#pragma once
// The mathematical functions of the program: every sine, exponential, arc
// cosine and power of the numerical code goes through here, so that their
// domain and range errors are reported in one place (letter M, MATH frame).
// Each check is made on the argument before the library is called, so that
// the overflow trap never fires inside the library; the checks cost a
// compare or two. Underflow is no error: the library's result is used.

#include <numbers>

namespace process {

// |x| beyond pi * 2^52: neighbouring doubles lie 2 apart, the argument no
// longer tells the angle: "sin: TLOSS error" (errors::math_total_loss).
double sine(double x);
// A result above the largest double: "exp: OVERFLOW error".
double exponential(double x);
// x outside [-1, 1]: "acos: DOMAIN error".
double arc_cosine(double x);
// a ** b with a real exponent; a² in the formulas is power(a, 2.0), never a*a.
// Named "**": a negative base with a non-integer exponent DOMAIN, zero to a
// negative power SING, a result above the largest double OVERFLOW.
double power(double a, double b);

// The largest argument whose exponential is a finite double.
inline constexpr double exponential_largest_argument = 709.782712893384;
// Sine arguments beyond this magnitude are a total loss of significance.
inline constexpr double sine_largest_argument = std::numbers::pi * 4503599627370496.0;

}  // namespace process
