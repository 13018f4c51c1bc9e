#include "textfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace TextFile {

std::optional<std::vector<std::string>> readLines(const std::string &path)
{
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        line.clear();
    }
    return lines;
}

namespace {

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

void setError(std::string *error, const std::string &text)
{
    if (error)
        *error = text;
}

} // namespace

std::string temporaryNameFor(const std::string &path)
{
    return path + ".saving";
}

bool writeAtomically(const std::string &path, const std::string &content, std::string *error)
{
    const std::string temporary = temporaryNameFor(path);
    std::FILE *file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        setError(error, std::strerror(errno));
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeErrno = errno;
    const bool flushed = written && flushToDisk(file);
    const int flushErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        setError(error, std::strerror(!written ? writeErrno : !flushed ? flushErrno : errno));
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
        return false;
    }
    std::error_code ec;
    fs::rename(fs::path(temporary), fs::path(path), ec);
    if (ec) {
        setError(error, ec.message());
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
        return false;
    }
    return true;
}

void removeLeftover(const std::string &path)
{
    const fs::path temporary(temporaryNameFor(path));
    std::error_code ec;
    if (fs::is_regular_file(fs::symlink_status(temporary, ec)))
        fs::remove(temporary, ec);
}

bool writeLinesAtomically(const std::string &path, const std::vector<std::string> &lines, std::string *error)
{
    std::string content;
    for (const std::string &line : lines) {
        content += line;
        content += "\r\n";
    }
    return writeAtomically(path, content, error);
}

} // namespace TextFile
