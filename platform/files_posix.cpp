// The file calls of the platform layer on a POSIX system.

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"

namespace platform {

namespace {

int last_error = 0;

FileError from_errno(int code)
{
    last_error = code;
    switch (code) {
    case 0: return FileError::none;
    case ENOENT:
    case ENOTDIR: return FileError::not_found;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBADF: return FileError::access_denied;
    case EEXIST: return FileError::exists;
    case EINVAL:
    case ELOOP: return FileError::invalid_argument;
    case EMFILE:
    case ENFILE: return FileError::too_many_open;
    case EISDIR: return FileError::is_directory;
    case ENAMETOOLONG: return FileError::name_too_long;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileError::disk_full;
    case EAGAIN:
    case EDEADLK: return FileError::locked;
    case EINTR: return FileError::interrupted;
    default: return FileError::other;
    }
}

FileError fail() { return from_errno(errno); }

int access_flags(FileAccess access)
{
    switch (access) {
    case FileAccess::read: return O_RDONLY;
    case FileAccess::write: return O_WRONLY;
    case FileAccess::read_write: break;
    }
    return O_RDWR;
}

// A folder opens read-only on POSIX; the unit layer wants a file.
FileError refuse_directory(FileHandle handle)
{
    struct stat status;
    if (::fstat(handle, &status) != 0) {
        const FileError error = fail();
        ::close(handle);
        return error;
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(handle);
        return from_errno(EISDIR);
    }
    return FileError::none;
}

}  // namespace

bool file_is_regular(FileHandle handle)
{
    struct stat status;
    return ::fstat(handle, &status) == 0 && S_ISREG(status.st_mode);
}

std::string last_system_error_text() { return std::strerror(last_error); }

FileHandle standard_file(int number) { return number; }

// Sharing is not enforced here: other processes may always open the file.
FileError file_open(const std::string& name, FileAccess access, FileCreation creation, FileHandle& handle,
                    FileShare /*share*/)
{
    int flags = access_flags(access) | O_CLOEXEC;
    if (creation == FileCreation::create_new) flags |= O_CREAT | O_EXCL;
    int opened;
    do {
        opened = ::open(name.c_str(), flags, 0666);
    } while (opened < 0 && errno == EINTR);
    if (opened < 0) return fail();
    const FileError error = refuse_directory(opened);
    if (error != FileError::none) return error;
    handle = opened;
    return FileError::none;
}

FileError file_create_unique(std::string& name_template, FileHandle& handle)
{
    const int opened = ::mkostemp(name_template.data(), O_CLOEXEC);
    if (opened < 0) return fail();
    handle = opened;
    return FileError::none;
}

FileError file_read(FileHandle handle, void* bytes, std::size_t count, std::size_t& got)
{
    ssize_t result;
    do {
        result = ::read(handle, bytes, count);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        got = 0;
        return fail();
    }
    got = static_cast<std::size_t>(result);
    return FileError::none;
}

FileError file_write(FileHandle handle, const void* bytes, std::size_t count, std::size_t& written)
{
    const char* next = static_cast<const char*>(bytes);
    written = 0;
    while (written < count) {
        const ssize_t result = ::write(handle, next + written, count - written);
        if (result < 0) {
            if (errno == EINTR) continue;
            return fail();
        }
        // A write that takes nothing without an error: the device is full.
        if (result == 0) return from_errno(ENOSPC);
        written += static_cast<std::size_t>(result);
    }
    return FileError::none;
}

FileError file_seek(FileHandle handle, std::int64_t offset)
{
    if (::lseek(handle, static_cast<off_t>(offset), SEEK_SET) < 0) {
        // Terminals and pipes have no position: nothing to move.
        if (errno == ESPIPE) return FileError::none;
        return fail();
    }
    return FileError::none;
}

FileError file_size(FileHandle handle, std::int64_t& size)
{
    struct stat status;
    if (::fstat(handle, &status) != 0) return fail();
    size = S_ISREG(status.st_mode) ? static_cast<std::int64_t>(status.st_size) : 0;
    return FileError::none;
}

FileError file_set_size(FileHandle handle, std::int64_t size)
{
    if (!file_is_regular(handle)) return FileError::none;
    int result;
    do {
        result = ::ftruncate(handle, static_cast<off_t>(size));
    } while (result != 0 && errno == EINTR);
    // ftruncate reports a handle opened read-only as an invalid argument.
    if (result != 0) return from_errno(errno == EINVAL ? EBADF : errno);
    return FileError::none;
}

FileError file_identity(FileHandle handle, FileIdentity& identity)
{
    struct stat status;
    if (::fstat(handle, &status) != 0) return fail();
    identity = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino), true};
    return FileError::none;
}

FileError file_identity_of(const std::string& name, FileIdentity& identity)
{
    struct stat status;
    if (::stat(name.c_str(), &status) != 0) return fail();
    identity = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino), true};
    return FileError::none;
}

bool file_exists(const std::string& name)
{
    struct stat status;
    return ::stat(name.c_str(), &status) == 0;
}

FileError file_close(FileHandle handle)
{
    if (handle < 0 || is_standard_handle(handle)) return FileError::none;
    // The handle is gone even when close reports an error (also EINTR).
    if (::close(handle) != 0 && errno != EINTR) return fail();
    return FileError::none;
}

FileError file_delete(const std::string& name)
{
    // A device node, pipe or socket under that name is not a file to remove.
    struct stat status;
    if (::lstat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode))
        return from_errno(EPERM);
    if (::unlink(name.c_str()) != 0) return fail();
    return FileError::none;
}

FileError file_rename_replacing(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0) return fail();
    return FileError::none;
}

FileError file_modified_time(const std::string& name, std::int64_t& seconds)
{
    struct stat status;
    if (::stat(name.c_str(), &status) != 0) return fail();
    seconds = static_cast<std::int64_t>(status.st_mtime);
    return FileError::none;
}

FileError folder_lock_take(const std::string& name, FileHandle& handle)
{
    // The holder removes the file before it lets go: a lock won on a file
    // that no longer has the name is worthless, and the name is tried again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int opened = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (opened < 0) return fail();
        int result;
        do {
            result = ::flock(opened, LOCK_EX | LOCK_NB);
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            const int code = errno == EWOULDBLOCK ? EAGAIN : errno;
            ::close(opened);
            return from_errno(code);
        }
        struct stat held;
        struct stat named;
        if (::fstat(opened, &held) == 0 && ::stat(name.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            handle = opened;
            return FileError::none;
        }
        ::close(opened);
    }
    return from_errno(EAGAIN);
}

void folder_lock_release(const std::string& name, FileHandle handle)
{
    ::unlink(name.c_str());
    ::close(handle);
}

}  // namespace platform
