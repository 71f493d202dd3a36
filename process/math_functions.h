#pragma once
// The mathematical functions of the program: every sine, exponential, arc
// cosine and power of the numerical code goes through here, so that their
// domain and range errors are reported in one place.

namespace process {

double sine(double x);
double exponential(double x);
double arc_cosine(double x);
// a ** b with a real exponent; a² in the formulas is power(a, 2.0), never a*a.
double power(double a, double b);

}  // namespace process
