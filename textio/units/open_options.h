#pragma once
// The specifiers of an open resolved to their values, defaults filled in.

#include "textio/units/unit_record.h"

namespace textio {

enum class UnitStatus { unknown, old, new_file, replace, scratch };
enum class UnitPosition { as_is, rewind, append };

struct ResolvedOpen {
    UnitStatus status = UnitStatus::unknown;
    UnitAccess access = UnitAccess::sequential;
    UnitForm form = UnitForm::formatted;
    std::int32_t record_length = default_record_length;
    std::size_t buffer_size = default_buffer_size;
    bool blanks_as_zeros = false;
    UnitPosition position = UnitPosition::as_is;
    UnitAction action = UnitAction::read_write;
    bool action_given = false;
    UnitDelimiter delimiter = UnitDelimiter::none;
    bool pad = true;
    UnitCarriageControl carriage_control = UnitCarriageControl::list;
    UnitShare share = UnitShare::deny_none;
    bool access_given = false, form_given = false;
    bool blank_given = false, delimiter_given = false, pad_given = false, carriage_control_given = false;
};

// Resolves the options; returns no_error, or the error of the first invalid
// value. `named`: the open names a file (status then defaults to unknown,
// else to scratch).
process::RuntimeError resolve_open_options(const OpenOptions& options, bool named, ResolvedOpen& resolved);

// `value` is `keyword`, ignoring case and trailing blanks.
bool keyword_matches(std::string_view value, std::string_view keyword);

}  // namespace textio
