#pragma once
// Files through the operating system: open by name, read, write, seek, set
// the size, identify, close and delete. Handles are the system's own (a
// descriptor or a HANDLE); every call reports failure as a FileError instead
// of a system-specific code.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

#if defined(_WIN32)
using FileHandle = void*;
// The system's own invalid handle value: all bits set.
inline const FileHandle no_file =
    reinterpret_cast<FileHandle>(~std::uintptr_t{0});  // NOLINT(performance-no-int-to-ptr)
// The handle is one of the standard input, output and error of the process.
bool is_standard_handle(FileHandle handle);
#else
using FileHandle = int;
inline constexpr FileHandle no_file = -1;
// Handles 0 to 2 are the standard input, output and error of the process.
inline bool is_standard_handle(FileHandle handle) { return handle >= 0 && handle <= 2; }
#endif

// The handle of standard input (0), output (1) or error (2).
FileHandle standard_file(int number);

enum class FileError {
    none,
    not_found,         // the file or a folder of its path does not exist
    access_denied,     // permission, read-only file system, wrong access mode
    exists,            // creation of a file that already exists
    invalid_argument,  // a name the system refuses
    too_many_open,     // no handle left for the process or the system
    is_directory,      // the name is a folder
    name_too_long,
    disk_full,
    locked,  // another process holds the file or a region of it
    interrupted,
    other,
};

// The system's own description of the last failure (for clear messages).
std::string last_system_error_text();

enum class FileAccess { read, write, read_write };

// What other processes may do with the file while it is open here.
enum class FileShare { deny_none, deny_read, deny_write, deny_read_write };

enum class FileCreation {
    open_existing,  // fails with not_found when missing
    create_new,     // fails with exists when present
};

// Opens `name` (binary: no translation of line ends), sharing it with other
// processes as `share` says where the system enforces sharing (a file held
// by another process without sharing fails with locked); a created file gets
// read and write permission (less the process's mask). The handle is not
// inherited by child processes. A folder is refused with is_directory.
FileError file_open(const std::string& name, FileAccess access, FileCreation creation, FileHandle& handle,
                    FileShare share = FileShare::deny_none);

// Creates a new file of a unique name made from `name_template`, whose last
// six characters are "XXXXXX" and are replaced in place; opened read-write.
FileError file_create_unique(std::string& name_template, FileHandle& handle);

// Reads up to `count` bytes; `got` is 0 at the end of the file.
FileError file_read(FileHandle handle, void* bytes, std::size_t count, std::size_t& got);

// Writes all `count` bytes, retrying partial writes; on failure `written`
// holds the bytes that did reach the file.
FileError file_write(FileHandle handle, const void* bytes, std::size_t count, std::size_t& written);

// Moves the file position to `offset` from the start.
FileError file_seek(FileHandle handle, std::int64_t offset);

// The size of the file in bytes (0 for what is not a regular file).
FileError file_size(FileHandle handle, std::int64_t& size);

// The handle is a regular file on a disk, with a size and positions (not a
// terminal, pipe or device).
bool file_is_regular(FileHandle handle);

// Cuts or extends (with zero bytes) the file to `size`; a handle that is not
// a regular file (terminal, pipe, device) has no size to set and succeeds.
FileError file_set_size(FileHandle handle, std::int64_t size);

// Same volume and same file index: the same file under any name.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool valid = false;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
FileError file_identity(FileHandle handle, FileIdentity& identity);
// The identity of the file that `name` names; not_found when there is none.
FileError file_identity_of(const std::string& name, FileIdentity& identity);

bool file_exists(const std::string& name);

// Closes the handle; the standard handles are never closed.
FileError file_close(FileHandle handle);

// Removes an ordinary file (or a link); anything else is refused.
FileError file_delete(const std::string& name);

// Gives the file `from` the name `to` in the same folder, replacing a file
// of that name; a file held open by another process without leave to be
// renamed fails with locked.
FileError file_rename_replacing(const std::string& from, const std::string& to);

// The time the file was last written, in seconds since 1970-01-01 UTC.
FileError file_modified_time(const std::string& name, std::int64_t& seconds);

// A lock file that marks its folder as taken by one process: created when
// missing and held until folder_lock_release or the end of the process
// (whatever ends it). Another process holding it: locked.
FileError folder_lock_take(const std::string& name, FileHandle& handle);
// Removes the lock file and releases it.
void folder_lock_release(const std::string& name, FileHandle handle);

}  // namespace platform
