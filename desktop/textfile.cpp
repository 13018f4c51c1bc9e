#include "desktop/textfile.h"

#include "desktop/atomicreplace.h"

#include <filesystem>
#include <fstream>

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

std::string temporaryNameFor(const std::string &path)
{
    return path + ".saving";
}

bool writeAtomically(const std::string &path, const std::string &content, std::string *error)
{
    std::string reason;
    const bool written = replaceFileAtomically(path, temporaryNameFor(path), content, reason);
    if (!written && error)
        *error = reason;
    return written;
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
