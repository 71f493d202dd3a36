#include "process/math_functions.h"

#include <cmath>

namespace process {

double sine(double x) { return std::sin(x); }

double exponential(double x) { return std::exp(x); }

double arc_cosine(double x) { return std::acos(x); }

double power(double a, double b) { return std::pow(a, b); }

}  // namespace process
