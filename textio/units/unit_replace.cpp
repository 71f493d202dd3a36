// Files replaced together: written under temporary names, put in place by
// renames once every one of them is complete, removed when the run stops
// short.

#include <vector>

#include "platform/files.h"
#include "platform/interruption.h"
#include "process/error_numbers.h"
#include "textio/units/open_options.h"

namespace textio {

namespace errors = process::errors;

namespace {

using platform::FileError;
using process::StatementKind;

struct Replacement {
    int unit;
    std::string name;      // the file replaced
    std::string fresh;     // the new contents, until put in place
    std::string previous;  // the old file, while the set is being put in place
    bool had_previous = false;
};

std::vector<Replacement> pending;

// A run cut short (by a power cut or a kill that nothing can catch) may
// leave a new file, or an old one set aside while the set was being put in
// place: the old one goes back where nothing has taken its place.
void clear_leftovers(const Replacement& r)
{
    platform::file_delete(r.fresh);
    if (!platform::file_exists(r.previous)) return;
    if (platform::file_exists(r.name))
        platform::file_delete(r.previous);
    else
        platform::file_rename_replacing(r.previous, r.name);
}

// The old file must be one this process could write, as an open of it for
// writing would have required.
void check_replaceable(const std::string& name)
{
    if (!platform::file_exists(name)) return;
    platform::FileHandle probe = platform::no_file;
    const FileError error =
        platform::file_open(name, platform::FileAccess::read_write, platform::FileCreation::open_existing, probe);
    if (error != FileError::none)
        unit_raise_file_error(unit_open_error_number(error), error, StatementKind::open, name);
    platform::file_close(probe);
}

void remove_fresh_files()
{
    for (const Replacement& r : pending) {
        platform::file_delete(r.fresh);
        platform::keep_when_interrupted(r.fresh);
    }
    pending.clear();
}

}  // namespace

void unit_open_replacement(int number, std::string_view name)
{
    Replacement r{number, std::string(trim_blanks(name)), {}, {}};
    r.fresh = r.name + ".novo";
    r.previous = r.name + ".anterior";
    clear_leftovers(r);
    check_replaceable(r.name);

    platform::remove_when_interrupted(r.fresh);
    pending.push_back(r);
    OpenOptions options;
    options.status = "NEW";
    if (const process::RuntimeError failure = unit_open(number, r.fresh, options, unit_error_return)) {
        std::string message(process::error_message(failure));
        message += " (";
        message += platform::last_system_error_text();
        message += ')';
        process::report_runtime_error(failure, message, StatementKind::open, r.name);
    }
    unit_table_find(number)->name = r.name;
}

void unit_replacements_commit()
{
    // Nothing may stop the renames halfway: a signal waits for their end.
    platform::interruption_hold();
    std::string failed;
    FileError error = FileError::none;
    std::size_t placed = 0;
    for (Replacement& r : pending) {
        if (!platform::file_exists(r.name)) continue;
        error = platform::file_rename_replacing(r.name, r.previous);
        if (error != FileError::none) {
            failed = r.name;
            break;
        }
        r.had_previous = true;
    }
    for (; failed.empty() && placed < pending.size(); ++placed) {
        const Replacement& r = pending[placed];
        error = platform::file_rename_replacing(r.fresh, r.name);
        if (error != FileError::none) failed = r.name;
        if (error != FileError::none) break;
    }
    if (!failed.empty()) {
        // Everything back as it was.
        for (std::size_t i = 0; i < placed; ++i) platform::file_rename_replacing(pending[i].name, pending[i].fresh);
        for (const Replacement& r : pending)
            if (r.had_previous) platform::file_rename_replacing(r.previous, r.name);
        remove_fresh_files();
        platform::interruption_release();
        unit_raise_file_error(errors::file_access_denied, error, StatementKind::close, failed);
    }
    for (const Replacement& r : pending) {
        if (r.had_previous) platform::file_delete(r.previous);
        platform::keep_when_interrupted(r.fresh);
    }
    pending.clear();
    platform::interruption_release();
}

void unit_replacements_discard()
{
    for (const Replacement& r : pending) {
        Unit* unit = unit_table_find(r.unit);
        if (unit == nullptr || unit->name != r.name) continue;
        const std::unique_ptr<Unit> dropped = unit_table_take(r.unit);
        platform::file_close(dropped->handle);
    }
    remove_fresh_files();
}

}  // namespace textio
