#include "process/fp_environment.h"

#include "process/runtime_error.h"

namespace process {

namespace {

bool division_sound = true;

struct TrapReport {
    int number;
    std::string_view message;
};

TrapReport report_of(platform::FpTrap kind)
{
    using platform::FpTrap;
    switch (kind) {
    case FpTrap::invalid: return {6101, "floating-point error: invalid"};
    case FpTrap::denormal: return {6102, "floating-point error: denormal"};
    case FpTrap::divide_by_zero: return {6103, "floating-point error: divide by zero"};
    case FpTrap::overflow: return {6104, "floating-point error: overflow"};
    case FpTrap::underflow: return {6105, "floating-point error: underflow"};
    case FpTrap::inexact: return {6106, "floating-point error: inexact"};
    case FpTrap::square_root: return {6108, "floating-point error: square root"};
    case FpTrap::stack_overflow: return {6110, "floating-point error: stack overflow"};
    case FpTrap::stack_underflow: return {6111, "floating-point error: stack underflow"};
    case FpTrap::integer_divide:
    case FpTrap::integer_overflow: return {6109, error_message(6109)};
    case FpTrap::unknown: break;
    }
    return {6107, error_message(6107)};
}

}  // namespace

void fp_environment_set()
{
    platform::fp_set_control();
    division_sound = fp_division_check();
}

bool fp_division_check()
{
    // volatile: the quotient must be computed at run time by the processor.
    volatile double dividend = 4195835.0;
    volatile double divisor = 3145727.0;
    const double quotient = dividend / divisor;
    return dividend - quotient * divisor == 0.0;
}

bool fp_division_sound() { return division_sound; }

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
