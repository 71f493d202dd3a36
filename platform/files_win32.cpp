// The file calls of the platform layer on Windows.

#include <windows.h>

#include <chrono>
#include <string>

#include "platform/files.h"

namespace platform {

namespace {

DWORD last_error = ERROR_SUCCESS;

FileError from_system_error(DWORD code)
{
    last_error = code;
    switch (code) {
    case ERROR_SUCCESS: return FileError::none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return FileError::not_found;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_INVALID_HANDLE: return FileError::access_denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return FileError::locked;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FileError::exists;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
    case ERROR_DIRECTORY: return FileError::invalid_argument;
    case ERROR_TOO_MANY_OPEN_FILES: return FileError::too_many_open;
    case ERROR_FILENAME_EXCED_RANGE: return FileError::name_too_long;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return FileError::disk_full;
    case ERROR_OPERATION_ABORTED: return FileError::interrupted;
    default: return FileError::other;
    }
}

FileError fail() { return from_system_error(GetLastError()); }

DWORD desired_access(FileAccess access)
{
    switch (access) {
    case FileAccess::read: return GENERIC_READ;
    case FileAccess::write: return GENERIC_WRITE;
    case FileAccess::read_write: break;
    }
    return GENERIC_READ | GENERIC_WRITE;
}

DWORD share_mode(FileShare share)
{
    switch (share) {
    case FileShare::deny_read: return FILE_SHARE_WRITE;
    case FileShare::deny_write: return FILE_SHARE_READ;
    case FileShare::deny_read_write: return 0;
    case FileShare::deny_none: break;
    }
    return FILE_SHARE_READ | FILE_SHARE_WRITE;
}

bool is_folder(const std::string& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Moves the file position; the new position in `reached` when asked for.
bool move_to(FileHandle handle, std::int64_t offset, DWORD method, std::int64_t* reached = nullptr)
{
    LONG high = static_cast<LONG>(offset >> 32);
    const DWORD low = SetFilePointer(handle, static_cast<LONG>(offset & 0xFFFFFFFF), &high, method);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
    if (reached != nullptr) *reached = (static_cast<std::int64_t>(high) << 32) | low;
    return true;
}

// Parts of a transfer no larger than one system call takes.
DWORD part_of(std::size_t count)
{
    constexpr std::size_t largest_part = 0x40000000;
    return static_cast<DWORD>(count < largest_part ? count : largest_part);
}

}  // namespace

std::string last_system_error_text()
{
    switch (last_error) {
    case ERROR_FILE_NOT_FOUND: return "the file does not exist";
    case ERROR_PATH_NOT_FOUND: return "a folder of the path does not exist";
    case ERROR_ACCESS_DENIED: return "access denied";
    case ERROR_SHARING_VIOLATION: return "the file is in use by another process";
    case ERROR_LOCK_VIOLATION: return "a region of the file is locked by another process";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return "the file exists";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "the disk is full";
    case ERROR_INVALID_NAME: return "invalid file name";
    case ERROR_TOO_MANY_OPEN_FILES: return "too many open files";
    case ERROR_FILENAME_EXCED_RANGE: return "file name too long";
    default: break;
    }
    return "system error " + std::to_string(last_error);
}

bool is_standard_handle(FileHandle handle)
{
    if (handle == nullptr || handle == no_file) return false;
    for (const DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
        if (GetStdHandle(which) == handle) return true;
    return false;
}

// Disks have positions and sizes; consoles, pipes and devices do not.
bool file_is_regular(FileHandle handle) { return GetFileType(handle) == FILE_TYPE_DISK; }

FileHandle standard_file(int number)
{
    const DWORD which = number == 0 ? STD_INPUT_HANDLE : number == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const HANDLE handle = GetStdHandle(which);
    return handle == nullptr ? no_file : handle;
}

FileError file_open(const std::string& name, FileAccess access, FileCreation creation, FileHandle& handle,
                    FileShare share)
{
    // A folder cannot be opened as a file; say so rather than "access denied".
    if (is_folder(name)) {
        last_error = ERROR_DIRECTORY;
        return FileError::is_directory;
    }
    // A read-only file refuses writing to everyone (some file systems would
    // let a privileged user through).
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (access != FileAccess::read && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0 && creation == FileCreation::open_existing)
        return from_system_error(ERROR_ACCESS_DENIED);
    const DWORD disposition = creation == FileCreation::create_new ? CREATE_NEW : OPEN_EXISTING;
    const HANDLE opened = CreateFileA(name.c_str(), desired_access(access), share_mode(share), nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return fail();
    handle = opened;
    return FileError::none;
}

FileError file_create_unique(std::string& name_template, FileHandle& handle)
{
    constexpr std::size_t letters = 6;
    if (name_template.size() < letters) return from_system_error(ERROR_INVALID_NAME);
    const std::size_t first = name_template.size() - letters;
    static std::uint64_t state =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    static constexpr char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 10000; ++attempt) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        std::uint64_t bits = state >> 16;
        for (std::size_t i = 0; i < letters; ++i, bits /= 36) name_template[first + i] = alphabet[bits % 36];
        const FileError error = file_open(name_template, FileAccess::read_write, FileCreation::create_new, handle);
        if (error != FileError::exists) return error;
    }
    return from_system_error(ERROR_FILE_EXISTS);
}

FileError file_read(FileHandle handle, void* bytes, std::size_t count, std::size_t& got)
{
    DWORD read = 0;
    got = 0;
    if (!ReadFile(handle, bytes, part_of(count), &read, nullptr)) {
        // The writer of a pipe has gone: the end of the input.
        if (GetLastError() == ERROR_BROKEN_PIPE) return FileError::none;
        return fail();
    }
    got = read;
    return FileError::none;
}

FileError file_write(FileHandle handle, const void* bytes, std::size_t count, std::size_t& written)
{
    const char* next = static_cast<const char*>(bytes);
    written = 0;
    while (written < count) {
        DWORD done = 0;
        if (!WriteFile(handle, next + written, part_of(count - written), &done, nullptr)) return fail();
        // A write that takes nothing without an error: the disk is full.
        if (done == 0) return from_system_error(ERROR_DISK_FULL);
        written += done;
    }
    return FileError::none;
}

FileError file_seek(FileHandle handle, std::int64_t offset)
{
    if (!file_is_regular(handle)) return FileError::none;
    if (!move_to(handle, offset, FILE_BEGIN)) return fail();
    return FileError::none;
}

FileError file_size(FileHandle handle, std::int64_t& size)
{
    size = 0;
    if (!file_is_regular(handle)) return FileError::none;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information)) return fail();
    size = (static_cast<std::int64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    return FileError::none;
}

FileError file_set_size(FileHandle handle, std::int64_t size)
{
    if (!file_is_regular(handle)) return FileError::none;
    // The end is set at the file position: move there and back again.
    std::int64_t position = 0;
    if (!move_to(handle, 0, FILE_CURRENT, &position)) return fail();
    if (!move_to(handle, size, FILE_BEGIN)) return fail();
    FileError error = FileError::none;
    // A handle opened for reading only is refused, by some systems as an
    // invalid parameter.
    if (!SetEndOfFile(handle))
        error = GetLastError() == ERROR_INVALID_PARAMETER ? from_system_error(ERROR_ACCESS_DENIED) : fail();
    if (!move_to(handle, position, FILE_BEGIN) && error == FileError::none) error = fail();
    return error;
}

FileError file_identity(FileHandle handle, FileIdentity& identity)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information)) return fail();
    identity = {information.dwVolumeSerialNumber,
                (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow, true};
    return FileError::none;
}

FileError file_identity_of(const std::string& name, FileIdentity& identity)
{
    // No access asked for: the file's information only, whoever holds it.
    const HANDLE opened = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return fail();
    const FileError error = file_identity(opened, identity);
    CloseHandle(opened);
    return error;
}

bool file_exists(const std::string& name) { return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

FileError file_close(FileHandle handle)
{
    if (handle == no_file || handle == nullptr || is_standard_handle(handle)) return FileError::none;
    if (!CloseHandle(handle)) return fail();
    return FileError::none;
}

FileError file_delete(const std::string& name)
{
    // A folder under that name is not a file to remove.
    if (is_folder(name)) return from_system_error(ERROR_ACCESS_DENIED);
    if (!DeleteFileA(name.c_str())) return fail();
    return FileError::none;
}

FileError file_rename_replacing(const std::string& from, const std::string& to)
{
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return fail();
    return FileError::none;
}

FileError file_modified_time(const std::string& name, std::int64_t& seconds)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return fail();
    // 100-nanosecond intervals since 1601-01-01.
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    constexpr std::uint64_t ticks_per_second = 10000000;
    constexpr std::uint64_t seconds_1601_to_1970 = 11644473600;
    seconds = static_cast<std::int64_t>(ticks / ticks_per_second) - static_cast<std::int64_t>(seconds_1601_to_1970);
    return FileError::none;
}

FileError folder_lock_take(const std::string& name, FileHandle& handle)
{
    // Shared with no one, and removed by the system when the last handle
    // closes, however the process ends.
    const HANDLE opened = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        // A file about to be removed by its last holder is refused as well.
        if (GetLastError() == ERROR_ACCESS_DENIED && file_exists(name))
            return from_system_error(ERROR_SHARING_VIOLATION);
        return fail();
    }
    handle = opened;
    return FileError::none;
}

void folder_lock_release(const std::string& /*name*/, FileHandle handle) { CloseHandle(handle); }

}  // namespace platform
