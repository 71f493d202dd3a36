#pragma once
// A record format compiled into steps, one per format item in order: the
// program that the executor walks. Jumps (group repeats, reversion) are step
// indices; the bytes of the literals are kept beside the steps.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "process/error_numbers.h"
#include "textio/render/render.h"

namespace textio::format {

inline constexpr int group_depth_limit = 16;

struct FormatStep {
    // The item: its code and sub-code; for a data item w, d and e as the
    // renderer takes them; for P its k in `item.scale`.
    EditState item;
    // Data item, group, slash: the repeat count.
    std::int32_t repeat = 1;
    // T: the column; TL, TR, X: the columns moved.
    std::int32_t columns = 0;
    // Literal: its bytes in CompiledFormat::literals.
    std::int32_t literal_offset = 0;
    std::int32_t literal_length = 0;
    // End of the format: the step that reversion goes back to (-1: the
    // format cannot revert).
    std::int32_t reversion_target = -1;
    // Syntax error: the error it raises.
    process::RuntimeError error = process::errors::no_error;

    bool operator==(const FormatStep&) const = default;
};

struct CompiledFormat {
    std::vector<FormatStep> steps;  // ends with the end of the format or a syntax error
    std::string literals;
};

// Compiles the record format `text`. Whatever follows its closing parenthesis
// is ignored; a syntax error becomes a step that raises it in place of the
// faulty item, so that the records before it are still written.
void compile_format(std::string_view text, CompiledFormat& compiled);

}  // namespace textio::format
