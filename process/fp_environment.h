#pragma once
// The floating-point environment of the run: round to nearest, every result
// a double, and invalid operation, division by zero and overflow trapping so
// that no NaN or infinity is ever computed; underflow, inexact results and
// subnormal operands stay silent.

#include "platform/system.h"

namespace process {

// First half of the set-up: the control of the processor, every exception
// still masked.
void fp_environment_set();

// Second half: the trap handler installed, pending flags cleared, the three
// trapping exceptions unmasked.
void fp_traps_enable();

// Reports a trap with the letter M and the MATH frame: "floating-point
// error: invalid" (errors::fp_invalid), "... divide by zero", "... overflow"
// and the rest of the table.
void floating_point_trap(platform::FpTrap kind);

// While it lives, the traps are held (every exception masked, flags
// cleared), for library code that raises exceptions by design, such as a
// conversion that overflows on purpose; the environment is given back, flags
// included, when it ends.
class FpTrapsHeld {
public:
    FpTrapsHeld() { platform::fp_hold(held_); }
    ~FpTrapsHeld() { platform::fp_give_back(held_); }
    FpTrapsHeld(const FpTrapsHeld&) = delete;
    FpTrapsHeld& operator=(const FpTrapsHeld&) = delete;
    bool flagged(platform::FpTrap kind) const { return platform::fp_trap_flagged(kind); }

private:
    platform::FpHeldEnvironment held_;
};

}  // namespace process
