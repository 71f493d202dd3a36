// Prints the mathematical functions' values as this build computes them, in
// the program's floating-point environment, for the independent computation
// of the expected files (tests/e2e/make_expected.py --function-values).
//
// One request a line on standard input, one answer a line on standard
// output, flushed at once, doubles written as the 16 hex digits of their
// bits:   sin X | exp X | acos X | pow A B   ->   RESULT

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "process/fp_environment.h"
#include "process/math_functions.h"

namespace {

double from_bits(const char* hex)
{
    std::uint64_t bits = 0;
    std::sscanf(hex, "%" SCNx64, &bits);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t bits_of(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

int main()
{
    process::fp_environment_set();
    process::fp_traps_enable();
    char name[16], first[32], second[32];
    char line[128];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        const int fields = std::sscanf(line, "%15s %31s %31s", name, first, second);
        if (fields < 2) continue;
        const double a = from_bits(first);
        double result = 0.0;
        if (std::strcmp(name, "sin") == 0) {
            result = process::sine(a);
        } else if (std::strcmp(name, "exp") == 0) {
            result = process::exponential(a);
        } else if (std::strcmp(name, "acos") == 0) {
            result = process::arc_cosine(a);
        } else if (std::strcmp(name, "pow") == 0 && fields == 3) {
            result = process::power(a, from_bits(second));
        } else {
            std::fprintf(stderr, "function_values: unknown request %s", line);
            return 2;
        }
        std::printf("%016" PRIx64 "\n", bits_of(result));
        std::fflush(stdout);
    }
    return 0;
}
