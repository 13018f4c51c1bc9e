#include "desktop/atomicreplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// A new file opened for writing, or nothing when the name is already taken.
std::FILE *createExclusively(const std::string &path)
{
#ifdef _WIN32
    const int descriptor = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE *file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    if (descriptor >= 0 && !file)
        _close(descriptor);
#else
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    std::FILE *file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (descriptor >= 0 && !file)
        ::close(descriptor);
#endif
    return file;
}

// The temporary name may still hold a file a save cut short left behind, or a link put
// there; that is removed, never opened, and the name created anew. A folder is left alone
// and the save fails.
std::FILE *createTemporary(const std::string &path)
{
    std::FILE *file = createExclusively(path);
    if (file || errno != EEXIST)
        return file;
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(fs::path(path), ec).type();
    if (type != fs::file_type::regular && type != fs::file_type::symlink) {
        errno = type == fs::file_type::directory ? EISDIR : EEXIST;
        return nullptr;
    }
    fs::remove(fs::path(path), ec);
    return createExclusively(path);
}

bool flushToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// A replaced file keeps who may read and write it; a new one gets the usual permissions.
// Windows keeps only a read-only bit, and a read-only temporary file could then be neither
// renamed over the destination nor removed again, so there the permissions are left alone.
bool keepPermissions(const std::string &destination, const std::string &temporary, std::string &error)
{
#ifdef _WIN32
    (void)destination;
    (void)temporary;
    (void)error;
    return true;
#else
    std::error_code ec;
    const fs::file_status old = fs::status(fs::path(destination), ec);
    if (ec || !fs::is_regular_file(old))
        return true;
    fs::permissions(fs::path(temporary), old.permissions(), fs::perm_options::replace, ec);
    if (ec)
        error = ec.message();
    return !ec;
#endif
}

bool writeAndFlush(std::FILE *file, const std::string &bytes, std::string &error)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool flushed = written && flushToDisk(file);
    const int flushErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && flushed && closed)
        return true;
    error = std::strerror(!written ? writeErrno : !flushed ? flushErrno : errno);
    return false;
}

} // namespace

std::FILE *createFreshTemporary(const std::string &destination, const std::string &temporary, std::string &error)
{
    std::FILE *file = createTemporary(temporary);
    if (!file) {
        error = std::strerror(errno);
        return nullptr;
    }
    if (keepPermissions(destination, temporary, error))
        return file;
    std::fclose(file);
    std::error_code ec;
    fs::remove(fs::path(temporary), ec);
    return nullptr;
}

bool replaceFileAtomically(const std::string &destination, const std::string &temporary, const std::string &bytes,
                           std::string &error)
{
    std::FILE *file = createFreshTemporary(destination, temporary, error);
    if (!file)
        return false;
    std::error_code ec;
    if (writeAndFlush(file, bytes, error)) {
        fs::rename(fs::path(temporary), fs::path(destination), ec);
        if (!ec)
            return true;
        error = ec.message();
    }
    fs::remove(fs::path(temporary), ec);
    return false;
}
