// The values of the open specifiers: matched ignoring case and trailing
// blanks; each invalid value has its own error number.

#include <cctype>
#include <charconv>
#include <initializer_list>
#include <utility>

#include "process/error_numbers.h"
#include "textio/units/open_options.h"

namespace textio {

namespace errors = process::errors;

namespace {

template <typename Value>
using Choices = std::initializer_list<std::pair<std::string_view, Value>>;

// The value of `option` among `choices`; false when it is none of them.
template <typename Value>
bool choose(std::string_view option, Choices<Value> choices, Value& value)
{
    for (const auto& [keyword, meaning] : choices) {
        if (keyword_matches(option, keyword)) {
            value = meaning;
            return true;
        }
    }
    return false;
}

// A positive decimal number, blanks around it allowed.
bool positive_number(std::string_view text, long long& number)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && number > 0;
}

}  // namespace

bool keyword_matches(std::string_view value, std::string_view keyword)
{
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    if (value.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < value.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(value[i])) != keyword[i]) return false;
    return true;
}

process::RuntimeError resolve_open_options(const OpenOptions& options, bool named, ResolvedOpen& resolved)
{
    resolved = ResolvedOpen{};
    resolved.status = named ? UnitStatus::unknown : UnitStatus::scratch;
    if (options.status && !choose<UnitStatus>(*options.status,
                                              {{"UNKNOWN", UnitStatus::unknown},
                                               {"OLD", UnitStatus::old},
                                               {"NEW", UnitStatus::new_file},
                                               {"REPLACE", UnitStatus::replace},
                                               {"SCRATCH", UnitStatus::scratch}},
                                              resolved.status))
        return errors::invalid_status;
    if (options.access &&
        !choose<UnitAccess>(
            *options.access,
            {{"SEQUENTIAL", UnitAccess::sequential}, {"DIRECT", UnitAccess::direct}, {"APPEND", UnitAccess::append}},
            resolved.access))
        return errors::invalid_access;
    resolved.access_given = options.access.has_value();
    resolved.form_given = options.form.has_value();
    resolved.form = resolved.access == UnitAccess::direct ? UnitForm::unformatted : UnitForm::formatted;
    if (options.form &&
        !choose<UnitForm>(
            *options.form,
            {{"FORMATTED", UnitForm::formatted}, {"UNFORMATTED", UnitForm::unformatted}, {"BINARY", UnitForm::binary}},
            resolved.form))
        return errors::invalid_form;

    if (options.recl) {
        long long length = 0;
        if (!positive_number(*options.recl, length) || length > 0x7FFFFFFD) return errors::length_not_positive;
        resolved.record_length = static_cast<std::int32_t>(length);
        if (resolved.access == UnitAccess::direct && resolved.form == UnitForm::formatted)
            resolved.record_length += 2;  // room for CR LF
    } else if (resolved.access == UnitAccess::direct) {
        return errors::direct_access_without_record_length;
    } else if (resolved.form != UnitForm::formatted) {
        resolved.record_length = default_binary_record_length;
    }
    if (options.blocksize) {
        long long size = 0;
        if (!positive_number(*options.blocksize, size) || size > (1LL << 30)) return errors::length_not_positive;
        resolved.buffer_size = static_cast<std::size_t>((size + 511) / 512 * 512);
    }

    const bool formatted = resolved.form == UnitForm::formatted;
    if (options.blank) {
        if (!choose<bool>(*options.blank, {{"NULL", false}, {"ZERO", true}}, resolved.blanks_as_zeros))
            return errors::invalid_blank;
        resolved.blank_given = true;
    }
    if (options.position &&
        !choose<UnitPosition>(
            *options.position,
            {{"ASIS", UnitPosition::as_is}, {"REWIND", UnitPosition::rewind}, {"APPEND", UnitPosition::append}},
            resolved.position))
        return errors::invalid_position;
    if (resolved.access == UnitAccess::append) resolved.position = UnitPosition::append;
    const Choices<UnitAction> actions = {
        {"READWRITE", UnitAction::read_write}, {"READ", UnitAction::read}, {"WRITE", UnitAction::write}};
    if (options.action) {
        if (!choose<UnitAction>(*options.action, actions, resolved.action)) return errors::invalid_action;
        resolved.action_given = true;
    }
    if (options.mode) {
        if (!choose<UnitAction>(*options.mode, actions, resolved.action)) return errors::invalid_mode;
        resolved.action_given = true;
    }
    if (options.delim) {
        if (!formatted || !choose<UnitDelimiter>(*options.delim,
                                                 {{"NONE", UnitDelimiter::none},
                                                  {"APOSTROPHE", UnitDelimiter::apostrophe},
                                                  {"QUOTE", UnitDelimiter::quote}},
                                                 resolved.delimiter))
            return errors::invalid_delimiter;
        resolved.delimiter_given = true;
    }
    if (options.pad) {
        if (!formatted || !choose<bool>(*options.pad, {{"YES", true}, {"NO", false}}, resolved.pad))
            return errors::invalid_pad;
        resolved.pad_given = true;
    }
    if (options.carriagecontrol) {
        if (!choose<UnitCarriageControl>(
                *options.carriagecontrol,
                {{"LIST", UnitCarriageControl::list}, {"FIRSTCHAR", UnitCarriageControl::first_character}},
                resolved.carriage_control))
            return errors::invalid_carriage_control;
        resolved.carriage_control_given = true;
    }
    if (options.share && !choose<UnitShare>(*options.share,
                                            {{"DENYNONE", UnitShare::deny_none},
                                             {"COMPAT", UnitShare::deny_none},
                                             {"DENYRD", UnitShare::deny_read},
                                             {"DENYWR", UnitShare::deny_write},
                                             {"DENYRW", UnitShare::deny_read_write}},
                                            resolved.share))
        return errors::invalid_share;
    return errors::no_error;
}

}  // namespace textio
