// Connecting a unit to a file.

#include "platform/files.h"
#include "process/error_numbers.h"
#include "textio/units/open_options.h"

namespace textio {

namespace errors = process::errors;

namespace {

using platform::FileError;
using process::StatementKind;

}  // namespace

process::RuntimeError unit_open_error_number(FileError error)
{
    switch (error) {
    case FileError::not_found: return errors::file_not_found;
    case FileError::access_denied:
    case FileError::is_directory:
    case FileError::locked: return errors::file_access_denied;
    case FileError::exists: return errors::file_exists;
    case FileError::too_many_open: return errors::too_many_open_files;
    default: return errors::invalid_file_name;
    }
}

namespace {

UnitMode mode_of(UnitAccess access, UnitForm form)
{
    const bool direct = access == UnitAccess::direct;
    switch (form) {
    case UnitForm::formatted: return direct ? UnitMode::formatted_direct : UnitMode::formatted_sequential;
    case UnitForm::binary: return direct ? UnitMode::binary_direct : UnitMode::binary_sequential;
    case UnitForm::unformatted: break;
    }
    return direct ? UnitMode::unformatted_direct : UnitMode::unformatted_sequential;
}

platform::FileShare file_share(UnitShare share)
{
    switch (share) {
    case UnitShare::deny_read: return platform::FileShare::deny_read;
    case UnitShare::deny_write: return platform::FileShare::deny_write;
    case UnitShare::deny_read_write: return platform::FileShare::deny_read_write;
    case UnitShare::deny_none: break;
    }
    return platform::FileShare::deny_none;
}

platform::FileAccess file_access(UnitAction action)
{
    switch (action) {
    case UnitAction::read: return platform::FileAccess::read;
    case UnitAction::write: return platform::FileAccess::write;
    case UnitAction::read_write: break;
    }
    return platform::FileAccess::read_write;
}

// Opens with the requested access; without an explicit action, read-write
// and then read-only and write-only. The error kept is the first one.
FileError open_with_retries(const std::string& name, const ResolvedOpen& request, platform::FileCreation creation,
                            platform::FileHandle& handle, UnitAction& action)
{
    action = request.action;
    const platform::FileShare share = file_share(request.share);
    FileError first = platform::file_open(name, file_access(action), creation, handle, share);
    if (first == FileError::none || request.action_given) return first;
    for (const UnitAction retry : {UnitAction::read, UnitAction::write}) {
        if (platform::file_open(name, file_access(retry), creation, handle, share) == FileError::none) {
            action = retry;
            return FileError::none;
        }
    }
    return first;
}

void update_changeable_options(Unit& unit, const ResolvedOpen& request)
{
    if (request.blank_given) unit.blanks_as_zeros = request.blanks_as_zeros;
    if (request.delimiter_given) unit.delimiter = request.delimiter;
    if (request.pad_given) unit.pad = request.pad;
    if (request.carriage_control_given) unit.carriage_control = request.carriage_control;
}

}  // namespace

process::RuntimeError unit_open(int number, std::string_view name, const OpenOptions& options, int flags)
{
    if (!unit_number_valid(number)) return errors::unit_number_out_of_range;
    const bool error_return = (flags & unit_error_return) != 0;
    std::string file_name(trim_blanks(name));

    // Raises (or, with error return, only returns) `error`; the unit stays
    // unconnected.
    auto fail = [&](process::RuntimeError error, FileError system = FileError::none) {
        if (error_return) return error;
        if (system == FileError::none) process::raise_runtime_error(error, StatementKind::open, file_name);
        unit_raise_file_error(error, system, StatementKind::open, file_name);
    };

    ResolvedOpen request;
    if (const process::RuntimeError invalid = resolve_open_options(options, true, request)) return fail(invalid);
    const bool scratch = request.status == UnitStatus::scratch;
    if (scratch && !file_name.empty()) return fail(errors::scratch_with_file_name);
    if (!scratch && file_name.empty()) file_name = unit_ask_file_name(number);
    if (!scratch && file_name.empty()) return fail(errors::invalid_file_name);

    platform::FileIdentity identity;
    if (!scratch) platform::file_identity_of(file_name, identity);

    if (Unit* connected = unit_table_find(number)) {
        if (!scratch && identity.valid && identity == connected->identity) {
            // The same file again: only the changeable options change.
            if ((request.form_given && request.form != connected->form) ||
                (request.access_given && request.access != connected->access))
                return fail(errors::reopened_with_other_form_or_access);
            update_changeable_options(*connected, request);
            return errors::no_error;
        }
        unit_close(number);
    }
    if (!scratch && unit_table_find_file(identity) != nullptr) return fail(errors::file_connected_to_another_unit);

    const int slot = unit_table_free_slot();
    if (slot < 0) return fail(errors::too_many_units);

    // Status: an existing file is kept as it is until the first write; a
    // missing one is created.
    platform::FileHandle handle = platform::no_file;
    UnitAction action = request.action;
    bool created = false;
    FileError error = FileError::none;
    switch (request.status) {
    case UnitStatus::scratch:
        file_name = "ZZXXXXXX";
        error = platform::file_create_unique(file_name, handle);
        created = true;
        break;
    case UnitStatus::replace:
        error = platform::file_delete(file_name);
        if (error != FileError::none && error != FileError::not_found) break;
        [[fallthrough]];
    case UnitStatus::new_file:
        error = open_with_retries(file_name, request, platform::FileCreation::create_new, handle, action);
        created = true;
        break;
    case UnitStatus::unknown:
        created = !platform::file_exists(file_name);
        error = open_with_retries(file_name, request,
                                  created ? platform::FileCreation::create_new : platform::FileCreation::open_existing,
                                  handle, action);
        break;
    case UnitStatus::old:
        error = open_with_retries(file_name, request, platform::FileCreation::open_existing, handle, action);
        break;
    }
    if (error != FileError::none) return fail(unit_open_error_number(error), error);

    auto unit = std::make_unique<Unit>();
    unit->number = number;
    unit->name = file_name;
    unit->handle = handle;
    platform::file_identity(handle, unit->identity);
    unit->mode = mode_of(request.access, request.form);
    unit->delete_at_close = scratch;
    unit->blanks_as_zeros = request.blanks_as_zeros;
    unit->buffer_size = request.buffer_size;
    unit->buffer = std::make_unique<char[]>(request.buffer_size);
    unit->record_length = request.record_length;
    unit->access = request.access;
    unit->form = request.form;
    unit->action = action;
    unit->action_given = request.action_given;
    unit->share = request.share;
    unit->delimiter = request.delimiter;
    unit->pad = request.pad;
    unit->carriage_control = request.carriage_control;
    // A new file is written from its start; an existing one is not touched
    // before its first write statement.
    unit->writing = created;

    if (request.position == UnitPosition::append && !created) {
        std::int64_t size = 0;
        FileError moved = platform::file_size(handle, size);
        if (moved == FileError::none) moved = platform::file_seek(handle, size);
        if (moved != FileError::none) {
            platform::file_close(handle);
            return fail(errors::invalid_file_name, moved);
        }
        unit->file_offset = size;
    }
    unit_table_put(slot, std::move(unit));
    return errors::no_error;
}

}  // namespace textio
