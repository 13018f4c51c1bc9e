#include "desktop/filecopy.h"

#include "desktop/atomicreplace.h"
#include "desktop/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace FileCopy {

namespace {

constexpr std::string_view PartSuffix = ".stowlet-part";
constexpr std::string_view TransferSuffix = ".part";
constexpr int TransferDigits = 8;

std::string_view transferPrefix(Transfer kind)
{
    return kind == Transfer::Download ? ".stowlet-download-" : ".stowlet-drop-";
}

bool endsWith(const std::string &name, std::string_view suffix)
{
    return name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// ".<name>.stowlet-part", or a received file's name with its eight hexadecimal digits.
bool isTemporaryName(const std::string &name)
{
    if (name.size() > PartSuffix.size() + 1 && name.front() == '.' && endsWith(name, PartSuffix))
        return true;
    for (const Transfer kind : {Transfer::Download, Transfer::DirectSave}) {
        const std::string_view prefix = transferPrefix(kind);
        if (name.size() != prefix.size() + TransferDigits + TransferSuffix.size() || name.rfind(prefix, 0) != 0 ||
            !endsWith(name, TransferSuffix))
            continue;
        const auto digits = name.substr(prefix.size(), TransferDigits);
        if (digits.find_first_not_of("0123456789abcdef") == std::string::npos)
            return true;
    }
    return false;
}

} // namespace

std::string temporaryNameFor(const std::string &destination)
{
    std::string hidden = ".";
    hidden += Paths::fileName(destination);
    hidden += PartSuffix;
    return Paths::join(Paths::parentFolder(destination), hidden);
}

std::string transferPath(const std::string &folder, Transfer kind)
{
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        char digits[TransferDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
        const std::string path =
            Paths::join(folder, std::string(transferPrefix(kind)) + digits + std::string(TransferSuffix));
        std::error_code ec;
        if (fs::symlink_status(fs::path(path), ec).type() == fs::file_type::not_found)
            return path;
    }
    return {};
}

void removeLeftovers(const std::string &folder, const std::function<bool(const std::string &name)> &inUse)
{
    std::error_code ec;
    for (fs::directory_iterator entry(fs::path(folder), ec), end; !ec && entry != end; entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        std::error_code ignored;
        if (isTemporaryName(name) && !(inUse && inUse(name)) && entry->is_regular_file(ignored) &&
            !entry->is_symlink(ignored))
            fs::remove(entry->path(), ignored);
    }
}

namespace {

void removeQuietly(const std::string &path)
{
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
}

bool finish(const std::string &temporary, const std::string &destination, std::string &error)
{
    std::error_code ec;
    fs::rename(fs::path(temporary), fs::path(destination), ec);
    if (ec) {
        error = ec.message();
        removeQuietly(temporary);
        return false;
    }
    return true;
}

#ifndef _WIN32
// Kernel-side copy (copy_file_range, as cp does), falling back to read/write where the
// file systems do not support it.
bool copyDescriptors(int in, int out, std::string &error)
{
    for (;;) {
        const ssize_t copied = copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied == 0)
            return true;
        if (copied < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)
                break;
            error = std::strerror(errno);
            return false;
        }
    }
    std::vector<char> buffer(1 << 17);
    for (;;) {
        const ssize_t got = read(in, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = std::strerror(errno);
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = write(out, buffer.data() + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                error = std::strerror(errno);
                return false;
            }
            done += put;
        }
    }
}
#endif

} // namespace

bool copyReplacing(const std::string &source, const std::string &destination, std::string &error)
{
    const std::string temporary = temporaryNameFor(destination);
#ifdef _WIN32
    std::error_code ec;
    if (fs::is_directory(fs::path(source), ec)) {
        error = "It is a folder, not a file.";
        return false;
    }
    fs::copy_file(fs::path(source), fs::path(temporary), fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = ec.message();
        removeQuietly(temporary);
        return false;
    }
#else
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info
    {
    };
    if (fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "It is a folder, not a file." : std::strerror(errno);
        ::close(in);
        return false;
    }
    // Created afresh like every replacement, so a link planted under the temporary name
    // is never written through.
    std::FILE *out = createFreshTemporary(destination, temporary, error);
    if (!out) {
        ::close(in);
        return false;
    }
    const bool copied = copyDescriptors(in, fileno(out), error);
    ::close(in);
    const bool closed = std::fclose(out) == 0;
    if (!copied || !closed) {
        if (copied)
            error = std::strerror(errno);
        removeQuietly(temporary);
        return false;
    }
#endif
    return finish(temporary, destination, error);
}

bool writeReplacing(const std::string &bytes, const std::string &destination, std::string &error)
{
    return replaceFileAtomically(destination, temporaryNameFor(destination), bytes, error);
}

bool moveReplacing(const std::string &source, const std::string &destination, std::string &error)
{
    std::error_code ec;
    fs::rename(fs::path(source), fs::path(destination), ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    return true;
}

bool sameFile(const std::string &first, const std::string &second)
{
    std::error_code ec;
    return fs::equivalent(fs::path(first), fs::path(second), ec) && !ec;
}

} // namespace FileCopy
