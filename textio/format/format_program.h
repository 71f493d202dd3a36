#pragma once
// The compiled format decoded once into fixed-size steps, so that a
// statement executed thousands of times walks an array instead of decoding
// bytes: jumps (group repeats, reversion) are step indices, literals are
// offsets into the compiled bytes.

#include <cstdint>
#include <vector>

#include "textio/format/format_code.h"
#include "textio/render/render.h"

namespace textio::format {

struct ProgramStep {
    std::uint8_t code = 0;
    std::uint8_t sub_code = extended_none;
    std::int32_t repeat = 1;    // count, P value, literal length
    std::int32_t number = 0;    // the first number (T, TL, TR, X positions)
    std::int32_t target = 0;    // end: reversion step (-1 none); error: its number
    std::uint32_t literal = 0;  // offset of a literal's bytes in the compiled code
    EditState field;            // data items: code, w, d, e (scale and sign set when used)
};

// Appends the steps of the compiled format `code` to `steps`.
void decode_program(const unsigned char* code, std::vector<ProgramStep>& steps);

}  // namespace textio::format
