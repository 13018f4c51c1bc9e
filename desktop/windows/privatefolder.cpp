#include "desktop/privatefolder.h"

#include "desktop/paths.h"

#include <random>
#include <system_error>
#include <vector>

#include <windows.h>

namespace PrivateFolder {

namespace {

std::string reason()
{
    return std::system_category().message(static_cast<int>(GetLastError()));
}

// CREATE_NEW: anything at path, a link included, makes the creation fail.
HANDLE createNew(const std::string &path)
{
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool writeAll(HANDLE file, const char *data, std::size_t size)
{
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool finish(HANDLE file, const std::string &path, bool written, std::string &error)
{
    if (!written)
        error = reason();
    CloseHandle(file);
    if (!written)
        DeleteFileA(path.c_str());
    return written;
}

} // namespace

std::string create(const std::string &parent, const std::string &prefix, std::string &error)
{
    // The user's own temporary folder already keeps other users out; the folder inherits that.
    std::random_device random;
    std::uniform_int_distribution<int> digit(0, 35);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 12; ++i) {
            const int d = digit(random);
            name += static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        }
        const std::string path = Paths::join(parent, name);
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    error = reason();
    return {};
}

bool isPrivate(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool copyInto(const std::string &source, const std::string &target, std::string &error)
{
    HANDLE in = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        error = reason();
        return false;
    }
    HANDLE out = createNew(target);
    if (out == INVALID_HANDLE_VALUE) {
        error = reason();
        CloseHandle(in);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    bool written = true;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
            written = false;
            break;
        }
        if (got == 0)
            break;
        if (!writeAll(out, buffer.data(), got)) {
            written = false;
            break;
        }
    }
    CloseHandle(in);
    return finish(out, target, written, error);
}

bool writeNew(const std::string &path, const std::string &content, std::string &error)
{
    HANDLE out = createNew(path);
    if (out == INVALID_HANDLE_VALUE) {
        error = reason();
        return false;
    }
    return finish(out, path, writeAll(out, content.data(), content.size()), error);
}

} // namespace PrivateFolder
