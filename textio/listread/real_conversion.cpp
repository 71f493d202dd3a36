#include "textio/listread/real_conversion.h"
#include "process/error_numbers.h"

#include <cfloat>
#include <cmath>

#include "textio/listread/extended_rounding.h"
#include "textio/listread/real_scanner.h"

namespace textio::listread {

namespace errors = process::errors;

process::RuntimeError convert_real8_text(std::string_view text, double& value)
{
    DecimalNumber number;
    if (const process::RuntimeError error = scan_real_text(text, number)) return error;
    if (number.digit_count != 0 && number.point_exponent > largest_point_exponent) return errors::real_too_large;
    if (number.digit_count == 0 || number.point_exponent < smallest_point_exponent) {
        value = number.negative ? -0.0 : 0.0;
        return errors::no_error;
    }
    double result;
    if (!decimal_to_double(number, result)) return errors::real_too_large;
    value = result;
    return errors::no_error;
}

process::RuntimeError convert_real4_text(std::string_view text, float& value)
{
    double wide;
    if (const process::RuntimeError error = convert_real8_text(text, wide)) return error;
    if (std::fabs(wide) > static_cast<double>(FLT_MAX)) return errors::real4_too_large;
    value = static_cast<float>(wide);
    return errors::no_error;
}

}  // namespace textio::listread
