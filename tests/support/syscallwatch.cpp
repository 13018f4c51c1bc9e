#include "tests/support/syscallwatch.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::mutex watchMutex;
bool recording = false;
std::map<std::string, int> failures; ///< kind -> error number of its next call
std::vector<std::string> recorded;
std::function<void(const std::string &, const std::string &)> renameCheck;

std::string pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = readlink(link, target, sizeof target);
    return length < 0 ? std::string("?") : std::string(target, static_cast<std::size_t>(length));
}

// Records the call and says whether it is to go on to the system.
bool note(const std::string &kind, const std::string &what)
{
    const std::lock_guard lock(watchMutex);
    if (recording)
        recorded.push_back(kind + " " + what);
    const auto failure = failures.find(kind);
    if (failure == failures.end())
        return true;
    errno = failure->second;
    failures.erase(failure);
    return false;
}

} // namespace

namespace SyscallWatch {

void start()
{
    const std::lock_guard lock(watchMutex);
    recorded.clear();
    failures.clear();
    renameCheck = nullptr;
    recording = true;
}

std::vector<std::string> calls()
{
    const std::lock_guard lock(watchMutex);
    return recorded;
}

void failNext(const std::string &kind, int error)
{
    const std::lock_guard lock(watchMutex);
    failures[kind] = error;
}

void onRename(std::function<void(const std::string &, const std::string &)> check)
{
    const std::lock_guard lock(watchMutex);
    renameCheck = std::move(check);
}

} // namespace SyscallWatch

extern "C" int fsync(int fd)
{
    return note("flush", pathOf(fd)) ? static_cast<int>(syscall(SYS_fsync, fd)) : -1;
}

extern "C" int fdatasync(int fd)
{
    return note("flush", pathOf(fd)) ? static_cast<int>(syscall(SYS_fdatasync, fd)) : -1;
}

extern "C" ssize_t copy_file_range(int in, loff_t *inOffset, int out, loff_t *outOffset, size_t length,
                                   unsigned int flags)
{
    if (!note("copy", pathOf(out)))
        return -1;
    return syscall(SYS_copy_file_range, in, inOffset, out, outOffset, length, flags);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    if (!note("rename", std::string(from) + " -> " + to))
        return -1;
    std::function<void(const std::string &, const std::string &)> check;
    {
        const std::lock_guard lock(watchMutex);
        check = renameCheck;
    }
    if (check)
        check(from, to);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}
