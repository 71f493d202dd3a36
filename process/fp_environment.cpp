#include "process/fp_environment.h"

#include "process/runtime_error.h"

namespace process {

namespace {

struct TrapReport {
    int number;
    std::string_view message;
};

TrapReport report_of(platform::FpTrap kind)
{
    using platform::FpTrap;
    switch (kind) {
    case FpTrap::invalid: return {errors::fp_invalid, "floating-point error: invalid"};
    case FpTrap::denormal: return {errors::fp_denormal, "floating-point error: denormal"};
    case FpTrap::divide_by_zero: return {errors::fp_divide_by_zero, "floating-point error: divide by zero"};
    case FpTrap::overflow: return {errors::fp_overflow, "floating-point error: overflow"};
    case FpTrap::underflow: return {errors::fp_underflow, error_message(errors::fp_underflow)};
    case FpTrap::inexact: return {errors::fp_inexact, error_message(errors::fp_inexact)};
    case FpTrap::square_root: return {errors::fp_square_root, error_message(errors::fp_square_root)};
    case FpTrap::stack_overflow: return {errors::fp_stack_overflow, error_message(errors::fp_stack_overflow)};
    case FpTrap::stack_underflow: return {errors::fp_stack_underflow, error_message(errors::fp_stack_underflow)};
    case FpTrap::integer_divide:
    case FpTrap::integer_overflow:
        return {errors::integer_divide_by_zero, error_message(errors::integer_divide_by_zero)};
    case FpTrap::unknown: break;
    }
    return {errors::fp_unknown_exception, error_message(errors::fp_unknown_exception)};
}

}  // namespace

void fp_environment_set() { platform::fp_set_control(); }

void fp_traps_enable()
{
    platform::fp_install_trap_handler(&floating_point_trap);
    platform::fp_clear_flags();
    platform::fp_unmask_traps();
}

void floating_point_trap(platform::FpTrap kind)
{
    const TrapReport report = report_of(kind);
    report_runtime_error(report.number, report.message, StatementKind::math);
}

}  // namespace process
