// Decoding the compiled format into program steps.

#include "textio/format/format_program.h"

namespace textio::format {

void decode_program(const unsigned char* code, std::vector<ProgramStep>& steps)
{
    const std::size_t first = steps.size();
    // Byte offset of every step, to turn the reversion distance into a step.
    std::uint32_t offsets_inline[64];
    std::vector<std::uint32_t> offsets_spill;
    const auto offset_of = [&](std::size_t index) -> std::uint32_t& {
        return index < 64 ? offsets_inline[index] : offsets_spill[index - 64];
    };

    const unsigned char* p = code;
    for (;;) {
        const std::size_t index = steps.size() - first;
        if (index >= 64) offsets_spill.push_back(0);
        offset_of(index) = static_cast<std::uint32_t>(p - code);
        FormatOp op;
        const unsigned char* const op_at = p;
        p = decode_op(p, op);
        ProgramStep step;
        step.code = op.code;
        step.sub_code = op.sub_code;
        step.repeat = op.repeat;
        step.number = op.number_count > 0 ? op.numbers[0] : 0;
        if (op.literal != nullptr) step.literal = static_cast<std::uint32_t>(op.literal - code);
        step.field.code = op.code;
        step.field.sub_code = op.sub_code;
        step.field.w = op.number_count > 0 ? op.numbers[0] : 0;
        step.field.d = op.number_count > 1 ? op.numbers[1] : 1;
        step.field.e = op.number_count > 2 ? op.numbers[2] : 2;
        if (op.code == item_format_error) {
            step.target = op.tail;
            steps.push_back(step);
            return;
        }
        if (op.code == item_format_end) {
            step.target = -1;
            if (op.tail != 0) {
                const auto target_offset = static_cast<std::uint32_t>(op_at + 1 - op.tail - code);
                for (std::size_t i = 0; i <= index; ++i) {
                    if (offset_of(i) == target_offset) {
                        step.target = static_cast<std::int32_t>(i);
                        break;
                    }
                }
            }
            steps.push_back(step);
            return;
        }
        steps.push_back(step);
    }
}

}  // namespace textio::format
