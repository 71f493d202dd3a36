#pragma once
// An exact reference for decimal digits: big-integer comparisons of
// D * 10^t against the double m * 2^e.

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace reference {

using Limbs = std::array<std::uint64_t, 48>;

struct Big {
    Limbs limb{};
    int size = 0;  // limbs in use

    explicit Big(std::uint64_t value = 0)
    {
        limb[0] = value;
        size = value != 0;
    }
    void multiply(std::uint64_t factor)
    {
        unsigned __int128 carry = 0;
        for (int i = 0; i < size; ++i) {
            carry += static_cast<unsigned __int128>(limb[i]) * factor;
            limb[i] = static_cast<std::uint64_t>(carry);
            carry >>= 64;
        }
        if (carry != 0) limb[size++] = static_cast<std::uint64_t>(carry);
    }
    void shift_left(int bits)
    {
        const int words = bits / 64, rest = bits % 64;
        Limbs out{};
        for (int i = 0; i < size; ++i) {
            out[i + words] |= limb[i] << rest;
            if (rest != 0) out[i + words + 1] |= limb[i] >> (64 - rest);
        }
        limb = out;
        size += words + 1;
        while (size > 0 && limb[size - 1] == 0) --size;
    }
    friend int compare(const Big& a, const Big& b)
    {
        if (a.size != b.size) return a.size < b.size ? -1 : 1;
        for (int i = a.size - 1; i >= 0; --i)
            if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
        return 0;
    }
};

inline Big power_of_five_times(std::uint64_t factor, int exponent)
{
    Big result(factor);
    for (; exponent >= 27; exponent -= 27) result.multiply(7450580596923828125ull);  // 5^27
    std::uint64_t rest = 1;
    for (int i = 0; i < exponent; ++i) rest *= 5;
    result.multiply(rest);
    return result;
}

// Sign of d * 10^t - m * 2^e.
inline int compare_scaled(std::uint64_t d, int t, std::uint64_t m, int e)
{
    Big left = power_of_five_times(d, t > 0 ? t : 0);
    Big right = power_of_five_times(m, t < 0 ? -t : 0);
    int left_two = t > 0 ? t : 0;
    int right_two = e + (t < 0 ? -t : 0);
    const int common = left_two < right_two ? left_two : right_two;
    left.shift_left(left_two - common);
    right.shift_left(right_two - common);
    return compare(left, right);
}

// First 18 significant digits of |value| (truncated) and x with
// 0.1 <= |value| / 10^x < 1; value finite and nonzero.
// |value| = m * 2^e with the integer significand m of the double.
inline void split_double(double value, std::uint64_t& m, int& e)
{
    const auto bits = std::bit_cast<std::uint64_t>(std::fabs(value));
    const int biased = static_cast<int>(bits >> 52);
    m = bits & ((1ull << 52) - 1);
    e = -1074;
    if (biased != 0) {
        m |= 1ull << 52;
        e = biased - 1075;
    }
}

inline std::uint64_t leading_digits(double value, int& x)
{
    std::uint64_t m = 0;
    int e = 0;
    split_double(value, m, e);
    const long double magnitude = std::fabs(static_cast<long double>(value));
    x = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    while (compare_scaled(1, x - 1, m, e) > 0) --x;
    while (compare_scaled(1, x, m, e) <= 0) ++x;
    const int t = x - 18;
    auto d = static_cast<std::uint64_t>(magnitude * std::pow(10.0L, static_cast<long double>(-t)));
    while (compare_scaled(d, t, m, e) > 0) --d;
    while (compare_scaled(d + 1, t, m, e) <= 0) ++d;
    return d;
}

// The expected 17-digit result: 18 truncated digits rounded by the 18th,
// trailing zeros dropped.
inline std::string expected_digits(double value, int& x)
{
    std::uint64_t d = leading_digits(value, x);
    std::uint64_t rounded = d / 10 + (d % 10 >= 5);
    if (rounded == 100000000000000000ull) {
        rounded /= 10;
        ++x;
    }
    std::string text = std::to_string(rounded);
    while (text.back() == '0') text.pop_back();
    return text;
}

}  // namespace reference
