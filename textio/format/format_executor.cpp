// Walks the compiled record format: control items act on the record as they
// are met, data items take the statement's items one after the other, and
// the end of the format with items left reverts to the stored step.

#include "textio/format/format_executor.h"

#include "process/error_numbers.h"
#include "textio/format/statement_record.h"
#include "textio/render/render.h"

namespace textio::format {
namespace {

namespace errors = process::errors;

bool takes_integer(const EditState& item)
{
    switch (item.code) {
    case item_integer:
    case item_general:
    case item_hexadecimal: return true;
    case item_extended: return item.sub_code == extended_binary || item.sub_code == extended_octal;
    default: return false;
    }
}

bool takes_real(const EditState& item)
{
    switch (item.code) {
    case item_real_d:
    case item_real_e:
    case item_fixed:
    case item_general:
    case item_hexadecimal: return true;
    case item_extended: return item.sub_code != extended_remaining;
    default: return false;
    }
}

bool is_data_item(const EditState& item)
{
    return (item.code >= item_characters && item.code <= item_hexadecimal) ||
           (item.code == item_extended && item.sub_code != extended_remaining);
}

struct GroupFrame {
    std::int32_t first_step;
    std::int32_t remaining;
};

class FormatExecutor {
public:
    FormatExecutor(const CompiledFormat& format, RecordEmitter& out)
        : steps_(format.steps.data()), literals_(format.literals.data()), out_(out)
    {}

    enum class Stop { data_item, finished, no_data_item, error };

    // Processes items up to the next data item (while items remain) or to
    // the end of the statement's format (none remain).
    Stop advance(bool items_remain, const FormatStep*& data)
    {
        for (;;) {
            const FormatStep& step = steps_[pos_++];
            const EditState& item = step.item;
            switch (item.code) {
            case item_literal:
                out_.put(literals_ + step.literal_offset, static_cast<std::size_t>(step.literal_length));
                break;
            case item_scale: scale_ = item.scale; break;
            case item_group_open: stack_[depth_++] = GroupFrame{pos_, step.repeat}; break;
            case item_group_close:
                if (--stack_[depth_ - 1].remaining > 0)
                    pos_ = stack_[depth_ - 1].first_step;
                else
                    --depth_;
                break;
            case item_slash:
                for (std::int32_t i = 0; i < step.repeat; ++i) out_.end_record();
                break;
            case item_colon:
                if (!items_remain) return Stop::finished;
                break;
            case item_sign_plus: plus_sign_ = true; break;
            case item_sign_default: plus_sign_ = false; break;
            case item_blank_null:
            case item_blank_zero: break;
            case item_no_advance: no_advance_ = true; break;
            case item_tab: out_.move_to(step.columns - 1); break;
            case item_tab_left: {
                const std::int64_t target = out_.position() - step.columns;
                out_.move_to(target < 0 ? 0 : target);
                break;
            }
            case item_tab_right: out_.move_to(out_.position() + step.columns); break;
            case item_format_end:
                if (!items_remain) return Stop::finished;
                if (step.reversion_target < 0) return Stop::no_data_item;
                // Reversion: a new record, back to the stored step.
                out_.end_record();
                pos_ = step.reversion_target;
                depth_ = 0;
                break;
            case item_format_error: error_ = step.error; return Stop::error;
            default:
                if (!is_data_item(item)) break;  // Q takes nothing on output
                if (!items_remain) return Stop::finished;
                data = &step;
                return Stop::data_item;
            }
        }
    }

    process::RuntimeError execute(const unsigned char* items)
    {
        ItemCursor item(items);
        const FormatStep* data = nullptr;
        std::int32_t uses_left = 0;
        char text[field_buffer_size];
        for (; !item.at_end(); item.next()) {
            const bool is_integer = item.tag() == item_tag_integer32;
            if (uses_left == 0) {
                const Stop stop = advance(true, data);
                if (stop == Stop::error) return error_;
                if (stop != Stop::data_item)
                    return is_integer ? errors::integer_item_without_integer_descriptor
                                      : errors::real_item_without_real_descriptor;
                uses_left = data->repeat;
            }
            --uses_left;
            EditState field = data->item;
            field.scale = scale_;
            field.plus_sign = plus_sign_;
            if (is_integer) {
                if (!takes_integer(field)) return errors::integer_item_without_integer_descriptor;
                out_.put_integer_field(render_integer(item.integer(), field), field.w);
                continue;
            }
            if (!takes_real(field)) return errors::real_item_without_real_descriptor;
            if (is_bit_pattern_item(field)) {
                out_.put_integer_field(render_real_bits(item.real(), field), field.w);
                continue;
            }
            if (is_scientific_item(field)) {
                // Straight to its place in the record when the field fits.
                if (char* const end = out_.field_end(field.w)) {
                    out_.settle_field(end, render_scientific(item.real(), field, end, field.w), field.w);
                    continue;
                }
            }
            out_.put_field(text, render_real(item.real(), field, text), field.w);
        }
        const FormatStep* unused = nullptr;
        if (advance(false, unused) == Stop::error) return error_;
        return errors::no_error;
    }

    bool no_advance() const { return no_advance_; }

private:
    const FormatStep* steps_;
    const char* literals_;
    std::int32_t pos_ = 0;
    RecordEmitter& out_;
    GroupFrame stack_[group_depth_limit + 1];
    int depth_ = 0;
    std::int32_t scale_ = 0;
    bool plus_sign_ = false;
    bool no_advance_ = false;
    process::RuntimeError error_ = errors::no_error;
};

}  // namespace

process::RuntimeError execute_format(const CompiledFormat& format, const unsigned char* items, RecordEmitter& out,
                                     bool& advance)
{
    FormatExecutor executor(format, out);
    const process::RuntimeError error = executor.execute(items);
    if (executor.no_advance()) advance = false;
    return error;
}

}  // namespace textio::format
