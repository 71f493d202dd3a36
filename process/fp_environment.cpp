#include "process/fp_environment.h"

#include "process/runtime_error.h"
#include "process/termination.h"

namespace process {

namespace {

RuntimeError error_of(platform::FpTrap kind)
{
    using platform::FpTrap;
    switch (kind) {
    case FpTrap::invalid: return errors::fp_invalid;
    case FpTrap::denormal: return errors::fp_denormal;
    case FpTrap::divide_by_zero: return errors::fp_divide_by_zero;
    case FpTrap::overflow: return errors::fp_overflow;
    case FpTrap::underflow: return errors::fp_underflow;
    case FpTrap::inexact: return errors::fp_inexact;
    case FpTrap::square_root: return errors::fp_square_root;
    case FpTrap::stack_overflow: return errors::fp_stack_overflow;
    case FpTrap::stack_underflow: return errors::fp_stack_underflow;
    case FpTrap::integer_divide:
    case FpTrap::integer_overflow: return errors::integer_divide_by_zero;
    case FpTrap::unknown: break;
    }
    return errors::fp_unknown_exception;
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
    const RuntimeError error = error_of(kind);
    // A trap inside the closing of the units at the end is reported, and the
    // operation goes on with its default result.
    if (termination_in_progress()) {
        report_error_while_terminating(error, error_message(error), StatementKind::math);
        return;
    }
    raise_runtime_error(error, StatementKind::math);
}

}  // namespace process
