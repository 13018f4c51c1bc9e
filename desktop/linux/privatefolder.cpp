#include "desktop/privatefolder.h"

#include "desktop/paths.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFolder {

namespace {

std::string reason()
{
    return std::strerror(errno);
}

bool writeAll(int file, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(file, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// O_EXCL with O_NOFOLLOW: a link or any other entry at path makes the creation fail.
int createNew(const std::string &path, mode_t mode)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

bool finish(int file, const std::string &path, bool written, std::string &error)
{
    if (!written)
        error = reason();
    if (::close(file) != 0 && written) {
        error = reason();
        written = false;
    }
    if (!written)
        ::unlink(path.c_str());
    return written;
}

} // namespace

std::string create(const std::string &parent, const std::string &prefix, std::string &error)
{
    std::string pattern = Paths::join(parent, prefix + "XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) { // mode 0700, a name nobody could predict
        error = reason();
        return {};
    }
    return buffer.data();
}

bool isPrivate(const std::string &path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool copyInto(const std::string &source, const std::string &target, std::string &error)
{
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info
    {
    };
    if (in < 0 || ::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = in < 0 ? reason() : "It is not a file.";
        if (in >= 0)
            ::close(in);
        return false;
    }
    const int out = createNew(target, info.st_mode & 0700);
    if (out < 0) {
        error = reason();
        ::close(in);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    bool written = true;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            written = got == 0;
            break;
        }
        if (!writeAll(out, buffer.data(), static_cast<std::size_t>(got))) {
            written = false;
            break;
        }
    }
    ::close(in);
    return finish(out, target, written, error);
}

bool writeNew(const std::string &path, const std::string &content, std::string &error)
{
    const int out = createNew(path, 0600);
    if (out < 0) {
        error = reason();
        return false;
    }
    return finish(out, path, writeAll(out, content.data(), content.size()), error);
}

} // namespace PrivateFolder
