#include "textio/listread/extended_rounding.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#if defined(DIFUSAO_HARDWARE_EXTENDED) && defined(DIFUSAO_HAS_STRTOLD_L)
#include <locale.h>
#endif

namespace textio::listread {

namespace {

// An unsigned integer of fixed size, large enough for every step of the
// conversion: 10^350 shifted by 2^70 stays below 2^1300.
class WideInteger {
public:
    static constexpr int limb_count = 48;

    void set(std::uint32_t value)
    {
        std::memset(limbs_, 0, sizeof limbs_);
        limbs_[0] = value;
        used_ = 1;
    }

    void multiply_add(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (int i = 0; i < used_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_[used_++] = static_cast<std::uint32_t>(carry);
    }

    void multiply_by_power_of_ten(int power)
    {
        for (; power >= 9; power -= 9) multiply_add(1'000'000'000u, 0);
        static constexpr std::uint32_t small_powers[9] = {1,      10,      100,      1000,     10000,
                                                          100000, 1000000, 10000000, 100000000};
        if (power > 0) multiply_add(small_powers[power], 0);
    }

    void shift_left(int bits)
    {
        const int limb_shift = bits / 32;
        const int bit_shift = bits % 32;
        int new_used = used_ + limb_shift + 1;
        for (int i = new_used - 1; i >= 0; --i) {
            const int source = i - limb_shift;
            std::uint64_t v = source >= 0 && source < used_ ? std::uint64_t{limbs_[source]} << bit_shift : 0;
            if (bit_shift != 0 && source - 1 >= 0 && source - 1 < used_) v |= limbs_[source - 1] >> (32 - bit_shift);
            limbs_[i] = static_cast<std::uint32_t>(v);
        }
        used_ = new_used;
        trim();
    }

    void shift_right_one()
    {
        for (int i = 0; i < used_; ++i) {
            const std::uint32_t high = i + 1 < used_ ? limbs_[i + 1] << 31 : 0;
            limbs_[i] = (limbs_[i] >> 1) | high;
        }
        trim();
    }

    // this -= other, with this >= other.
    void subtract(const WideInteger& other)
    {
        std::int64_t borrow = 0;
        for (int i = 0; i < used_; ++i) {
            std::int64_t d = std::int64_t{limbs_[i]} - (i < other.used_ ? other.limbs_[i] : 0) - borrow;
            borrow = d < 0;
            limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        trim();
    }

    friend int compare(const WideInteger& a, const WideInteger& b)
    {
        if (a.used_ != b.used_) return a.used_ < b.used_ ? -1 : 1;
        for (int i = a.used_ - 1; i >= 0; --i)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

    bool is_zero() const { return used_ == 1 && limbs_[0] == 0; }

    int bit_length() const { return (used_ - 1) * 32 + std::bit_width(limbs_[used_ - 1]); }

    bool bit(int position) const
    {
        const int limb = position / 32;
        return limb < used_ && ((limbs_[limb] >> (position % 32)) & 1u);
    }

    bool any_bit_below(int position) const
    {
        const int limb = position / 32;
        for (int i = 0; i < limb && i < used_; ++i)
            if (limbs_[i] != 0) return true;
        return limb < used_ && (limbs_[limb] & ((1u << (position % 32)) - 1)) != 0;
    }

    // Bits [position, position + 64).
    std::uint64_t bits_from(int position) const
    {
        std::uint64_t v = 0;
        for (int b = 63; b >= 0; --b) v = (v << 1) | (bit(position + b) ? 1u : 0u);
        return v;
    }

    void set_bit(int position)
    {
        const int limb = position / 32;
        while (used_ <= limb) limbs_[used_++] = 0;
        limbs_[limb] |= 1u << (position % 32);
    }

private:
    void trim()
    {
        while (used_ > 1 && limbs_[used_ - 1] == 0) --used_;
    }

    std::uint32_t limbs_[limb_count];
    int used_ = 1;
};

// value * 2^exponent, plus less than one unit when `inexact_below`, rounded
// to a 64-bit significand.
ExtendedValue round_wide_to_extended(const WideInteger& value, bool inexact_below, std::int32_t exponent, bool negative)
{
    ExtendedValue result;
    result.negative = negative;
    const int length = value.bit_length();
    if (length <= 64) {
        result.significand = value.bits_from(0) << (64 - length);
        result.exponent = exponent - (64 - length);
        return result;
    }
    int dropped = length - 64;
    std::uint64_t significand = value.bits_from(dropped);
    const bool half = value.bit(dropped - 1);
    const bool beyond_half = inexact_below || value.any_bit_below(dropped - 1);
    if (half && (beyond_half || (significand & 1u))) {
        if (++significand == 0) {
            significand = std::uint64_t{1} << 63;
            ++dropped;
        }
    }
    result.significand = significand;
    result.exponent = exponent + dropped;
    return result;
}

}  // namespace

ExtendedValue round_to_extended(const DecimalNumber& number)
{
    ExtendedValue zero;
    zero.negative = number.negative;
    if (number.digit_count == 0) return zero;

    WideInteger digits;
    digits.set(0);
    for (int i = 0; i < number.digit_count; ++i)
        digits.multiply_add(10, static_cast<std::uint32_t>(number.digits[i] - '0'));
    // value = digits * 10^decimal_exponent
    const int decimal_exponent = number.point_exponent - number.digit_count;

    if (decimal_exponent >= 0) {
        digits.multiply_by_power_of_ten(decimal_exponent);
        return round_wide_to_extended(digits, false, 0, number.negative);
    }

    // digits / 10^k: a quotient of 66 or 67 bits by binary long division,
    // the remainder telling whether anything lies below it.
    WideInteger divisor;
    divisor.set(1);
    divisor.multiply_by_power_of_ten(-decimal_exponent);
    int numerator_shift = 66 + divisor.bit_length() - digits.bit_length();
    int divisor_shift = 0;
    if (numerator_shift < 0) {
        divisor_shift = -numerator_shift;
        numerator_shift = 0;
    }
    digits.shift_left(numerator_shift);
    divisor.shift_left(divisor_shift + 66);
    WideInteger quotient;
    quotient.set(0);
    for (int bit = 66; bit >= 0; --bit) {
        if (compare(digits, divisor) >= 0) {
            digits.subtract(divisor);
            quotient.set_bit(bit);
        }
        divisor.shift_right_one();
    }
    return round_wide_to_extended(quotient, !digits.is_zero(), divisor_shift - numerator_shift, number.negative);
}

bool round_extended_to_double(const ExtendedValue& value, double& result)
{
    constexpr std::uint64_t hidden_bit = std::uint64_t{1} << 52;
    const std::uint64_t sign = value.negative ? std::uint64_t{1} << 63 : 0;
    if (value.significand == 0) {
        result = std::bit_cast<double>(sign);
        return true;
    }
    // Keep 53 bits, or fewer where the double is subnormal (lowest bit 2^-1074).
    const std::int64_t exponent = value.exponent;
    std::int64_t dropped = 11;
    if (-1074 - exponent > dropped) dropped = -1074 - exponent;

    std::uint64_t kept = 0;
    if (dropped < 64) {
        kept = value.significand >> dropped;
        const std::uint64_t rest = value.significand & ((std::uint64_t{1} << dropped) - 1);
        const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
        if (rest > half || (rest == half && (kept & 1u))) ++kept;
    } else if (dropped == 64 && value.significand > (std::uint64_t{1} << 63)) {
        kept = 1;
    }
    std::int64_t lowest_bit = exponent + dropped;
    if (kept == hidden_bit << 1) {
        kept = hidden_bit;
        ++lowest_bit;
    }
    if (kept == 0) {
        result = std::bit_cast<double>(sign);
        return true;
    }
    std::uint64_t biased = 0;
    if (kept >= hidden_bit) {
        biased = static_cast<std::uint64_t>(lowest_bit + 52 + 1023);
        if (lowest_bit + 52 + 1023 >= 2047) return false;
        kept -= hidden_bit;
    }
    result = std::bit_cast<double>(sign | (biased << 52) | kept);
    return true;
}

#ifdef DIFUSAO_HARDWARE_EXTENDED

namespace {

// The smallest magnitude whose rounding to double overflows: the largest
// double plus half its unit in the last place.
constexpr long double double_overflow_threshold = 0x1.fffffffffffff8p1023L;

long double text_to_extended(const char* text)
{
#ifdef DIFUSAO_HAS_STRTOLD_L
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (c_locale) return strtold_l(text, nullptr, c_locale);
#endif
    return std::strtold(text, nullptr);
}

}  // namespace

bool decimal_to_double_by_library(const DecimalNumber& number, double& result)
{
    if (number.digit_count == 0) {
        result = number.negative ? -0.0 : 0.0;
        return true;
    }
    // digits "e" exponent: no decimal separator for a locale to disagree on.
    char text[significant_digit_limit + 16];
    std::memcpy(text, number.digits, static_cast<std::size_t>(number.digit_count));
    char* end = text + number.digit_count;
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text - 1, number.point_exponent - number.digit_count).ptr;
    *end = '\0';
    const long double magnitude = text_to_extended(text);
    // Checked before the rounding to double, which would raise the overflow trap.
    if (magnitude >= double_overflow_threshold) return false;
    const double rounded = static_cast<double>(magnitude);
    result = number.negative ? -rounded : rounded;
    return true;
}

bool decimal_to_double(const DecimalNumber& number, double& result)
{
    return decimal_to_double_by_library(number, result);
}

#else

bool decimal_to_double(const DecimalNumber& number, double& result)
{
    return round_extended_to_double(round_to_extended(number), result);
}

#endif

}  // namespace textio::listread
