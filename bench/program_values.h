#pragma once
// Values of the magnitudes the report prints (coefficients, temperatures,
// times), both signs, the same sequence in every benchmark.

#include <cmath>
#include <random>
#include <vector>

inline std::vector<double> program_values()
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 6);
    std::vector<double> values(4096);
    for (double& value : values) value = mantissa(random) * std::pow(10.0, exponent(random));
    return values;
}
