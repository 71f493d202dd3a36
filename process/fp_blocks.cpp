#include "process/fp_blocks.h"

#include "process/fp_environment.h"

namespace process {

namespace {

// The block whose plain run is under way (flag path only).
const detail::FpBlock* current_block = nullptr;
detail::FpBlock current_block_copy{};

// Under FpPrediction: faults are recorded here instead of reported.
bool predicting = false;
bool predicted = false;
platform::FpTrap predicted_kind = platform::FpTrap::unknown;

}  // namespace

bool fp_traps_work() { return platform::fp_traps_unmasked(); }

void fp_check_operation()
{
    platform::FpTrap kind;
    if (!platform::fp_trap_raised(kind)) return;
    platform::fp_clear_flags();
    if (!predicting) {
        floating_point_trap(kind);
    } else if (!predicted) {
        predicted = true;
        predicted_kind = kind;
    }
}

namespace detail {

FpBlockWatch::FpBlockWatch(const FpBlock& block)
{
    current_block_copy = block;
    current_block = &current_block_copy;
}

FpBlockWatch::~FpBlockWatch() { current_block = nullptr; }

bool FpBlockWatch::flagged() const
{
    platform::FpTrap kind;
    return platform::fp_trap_raised(kind);
}

void fp_block_checked(const FpBlock& block)
{
    current_block = nullptr;
    platform::fp_clear_flags();
    block.checked_run(block.block);
    platform::fp_clear_flags();
}

}  // namespace detail

void fp_before_math_function_error()
{
    if (current_block == nullptr) return;
    const detail::FpBlock block = *current_block;
    platform::FpTrap kind;
    if (platform::fp_trap_raised(kind)) detail::fp_block_checked(block);
}

FpPrediction::FpPrediction()
{
    platform::fp_hold(held_);
    predicting = true;
    predicted = false;
}

FpPrediction::~FpPrediction()
{
    predicting = false;
    platform::fp_give_back(held_);
}

bool FpPrediction::fault(platform::FpTrap& kind) const
{
    if (predicted) kind = predicted_kind;
    return predicted;
}

}  // namespace process
