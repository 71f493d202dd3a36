// Rounding a decimal digit string to n significant digits, half up.

#include "textio/render/render.h"

namespace textio {

bool round_digits(DigitString& digits, int n)
{
    if (!digits.valid || digits.count <= n) return false;
    if (n <= 0) {
        if (n == 0 && digits.digits[0] >= '5') {
            digits.digits[0] = '1';
            digits.count = 1;
            ++digits.exponent;
            return true;
        }
        // Nothing left: the value shows as zero, without a sign.
        digits.count = 0;
        digits.negative = false;
        return false;
    }
    const bool round_up = digits.digits[n] >= '5';
    digits.count = n;
    if (!round_up) return false;
    for (int i = n - 1; i >= 0; --i) {
        if (digits.digits[i] != '9') {
            ++digits.digits[i];
            return false;
        }
        digits.digits[i] = '0';
    }
    // 99...9 became 100...0: one more decade.
    digits.digits[0] = '1';
    ++digits.exponent;
    return true;
}

}  // namespace textio
