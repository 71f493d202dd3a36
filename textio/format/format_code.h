#pragma once
// The compiled form of a record format: one entry per format item.
//
// Op byte: bits 0-4 the item code, bit 5 set when a repeat count follows
// (for a literal its length, for P its value), bits 6-7 the count of numbers
// w, d, e that follow. The extended item carries a sub-code byte right after
// the op. Numbers are one signed byte in -120..120, else the byte 127 and a
// 32-bit little-endian integer. A literal's bytes follow its length; the end
// op and the error op are followed by a 16-bit little-endian value (the
// reversion distance, the error number).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "textio/render/render.h"

namespace textio::format {

inline constexpr std::uint8_t op_code_mask = 0x1f;
inline constexpr std::uint8_t op_has_repeat = 0x20;
inline constexpr int op_number_shift = 6;
inline constexpr std::uint8_t number_escape = 127;
inline constexpr int group_depth_limit = 16;

// One decoded entry.
struct FormatOp {
    std::uint8_t code = 0;
    std::uint8_t sub_code = extended_none;
    bool has_repeat = false;
    std::int32_t repeat = 1;  // literal length, P value, count
    int number_count = 0;
    std::int32_t numbers[3] = {0, 0, 0};
    const unsigned char* literal = nullptr;
    std::uint16_t tail = 0;  // reversion distance or error number
};

inline const unsigned char* decode_number(const unsigned char* p, std::int32_t& value)
{
    if (*p != number_escape) {
        value = static_cast<std::int8_t>(*p);  // NOLINT(bugprone-signed-char-misuse): numbers are signed bytes
        return p + 1;
    }
    std::uint32_t bits;
    std::memcpy(&bits, p + 1, 4);
    value = static_cast<std::int32_t>(bits);
    return p + 5;
}

// Decodes the entry at p; returns the position after it.
inline const unsigned char* decode_op(const unsigned char* p, FormatOp& op)
{
    const std::uint8_t byte = *p++;
    op.code = byte & op_code_mask;
    op.has_repeat = (byte & op_has_repeat) != 0;
    op.number_count = byte >> op_number_shift;
    op.sub_code = op.code == item_extended ? *p++ : static_cast<std::uint8_t>(extended_none);
    if (op.code == item_format_end || op.code == item_format_error) {
        op.tail = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
        return p + 2;
    }
    op.repeat = 1;
    if (op.has_repeat) p = decode_number(p, op.repeat);
    for (int i = 0; i < op.number_count; ++i) p = decode_number(p, op.numbers[i]);
    if (op.code == item_literal) {
        op.literal = p;
        p += op.repeat;
    }
    return p;
}

// Appends the compiled form of the record format `text` (`length` bytes,
// or up to its first zero byte when -1) to `code`.
void compile_format(const char* text, std::ptrdiff_t length, std::vector<unsigned char>& code);

}  // namespace textio::format
