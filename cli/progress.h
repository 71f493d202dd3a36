#pragma once
// The progress line of a long computation: on an interactive standard error
// only, from about a second after the start, one line rewritten in place
// ("<before_step>k<before_total>n", or a phase text) and erased at the end.
// Nothing is written when standard error is a file or a pipe.

#include <atomic>
#include <cstdint>

namespace cli {

namespace progress_detail {
inline std::atomic<std::int32_t> current_step{0};
}

// Starts the line for a computation of `total` steps. The texts are kept by
// address: literals, or texts that outlive progress_end.
void progress_start(const char* before_step, const char* before_total, std::int32_t total);

// The step now computed: one relaxed store, cheap enough for every step.
inline void progress_step(std::int32_t step) { progress_detail::current_step.store(step, std::memory_order_relaxed); }

// A phase without a count, shown instead of the steps (kept by address).
void progress_phase(const char* text);

// Stops the updates and erases the line if it was shown. Safe to call when
// nothing was started, and more than once.
void progress_end();

}  // namespace cli
